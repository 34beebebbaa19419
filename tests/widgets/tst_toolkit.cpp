#include "app/statuspanels.h"
#include "buildlist/window/updownarrows.h"
#include "model/errors.h"
#include "support/scripteddialogs.h"
#include "widgets/application.h"
#include "widgets/besideowner.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "support/nowarnings.h"
#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TestToolkit : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void addLineFollowsTheLastBreak_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << ""
                               << "new\r\n";
        QTest::newRow("ends with break") << "a\r\n"
                                         << "a\r\nnew\r\n";
        QTest::newRow("no final break") << "a"
                                        << "a\r\nnew";
    }
    void addLineFollowsTheLastBreak()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        BuildListTextEdit memo(true);
        memo.setText(before);
        memo.addLine(QStringLiteral("new"));
        QCOMPARE(memo.text(), after);
    }

    void linesAreBlocksWithoutTheFinalEmptyOne_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one with break") << "a\r\n" << QStringList{"a"};
        QTest::newRow("one without break") << "a" << QStringList{"a"};
        QTest::newRow("inner empty line") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("two breaks at end") << "a\r\n\r\n" << QStringList{"a", ""};
        QTest::newRow("lone LF and CR") << "a\nb\rc" << QStringList{"a", "b", "c"};
    }
    void linesAreBlocksWithoutTheFinalEmptyOne()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        BuildListTextEdit memo(true);
        memo.setText(text);
        QCOMPARE(memo.lineCount(), lines.size());
        QCOMPARE(memo.lines(), lines);
        QCOMPARE(memo.line(lines.size() + 3), QString());
        QCOMPARE(memo.line(-1), QString());
        QVERIFY(!memo.text().contains(QRegularExpression(QStringLiteral("\r(?!\n)"))));
    }

    void everyCharacterSurvives()
    {
        // The whole text is read from the blocks: a no-break space, a form
        // feed and the other 8-bit characters come back as they went in.
        QString all;
        for (int c = 1; c < 256; ++c)
            if (c != '\r' && c != '\n')
                all.append(QChar(c));
        BuildListTextEdit memo(true);
        memo.setText(all + QStringLiteral("\r\n") + all);
        QCOMPARE(memo.text(), all + QStringLiteral("\r\n") + all);
    }

    void offsetsCountBreaksAsTwo_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected"); // selStart after placing the caret
        QTest::newRow("start") << 0 << 0;
        QTest::newRow("line 1 column 31") << 81 << 81;
        QTest::newRow("line 2 column 37") << 137 << 137;
        QTest::newRow("inside a line break") << 49 << 48;
        QTest::newRow("past the end") << 10000 << 150;
        QTest::newRow("negative") << -19 << 0;
    }
    void offsetsCountBreaksAsTwo()
    {
        QFETCH(int, offset);
        QFETCH(int, expected);
        BuildListTextEdit memo(true);
        memo.setLines({line48("a"), line48("b"), line48("c")});
        memo.setSelStart(offset);
        QCOMPARE(memo.selStart(), expected);
        QCOMPARE(memo.selLength(), 0);
    }

    void selectionLengthCountsBreaks()
    {
        BuildListTextEdit memo(true);
        memo.setText(QStringLiteral("ab\r\ncd"));
        memo.selectAllText();
        QCOMPARE(memo.selStart(), 0);
        QCOMPARE(memo.selLength(), 6);
    }

    void lineEditing()
    {
        BuildListTextEdit memo(true);
        memo.setText(QStringLiteral("a\r\nb\r\nc\r\n"));
        memo.setLine(1, QStringLiteral("B"));
        QCOMPARE(memo.text(), QStringLiteral("a\r\nB\r\nc\r\n"));
        QCOMPARE(memo.selStart(), 4); // after the new text
        memo.insertLine(0, QStringLiteral("z"));
        QCOMPARE(memo.text(), QStringLiteral("z\r\na\r\nB\r\nc\r\n"));
        memo.deleteLine(3);
        QCOMPARE(memo.text(), QStringLiteral("z\r\na\r\nB\r\n"));
        memo.setText(QStringLiteral("a\r\nb"));
        memo.deleteLine(1);
        QCOMPARE(memo.text(), QStringLiteral("a\r\n"));
        memo.deleteLine(7); // nothing there
        QCOMPARE(memo.text(), QStringLiteral("a\r\n"));
        // The empty block after the last line can be written.
        QVERIFY(memo.lineExists(1));
        memo.setLine(1, QStringLiteral("x"));
        QCOMPARE(memo.text(), QStringLiteral("a\r\nx"));
    }

    void cachedTextFollowsEveryEdit()
    {
        // Random edits of every kind the program makes; after each, the text
        // the text area serves matches what the document holds.
        BuildListTextEdit memo(true);
        QRandomGenerator random(7);
        memo.setLines({"alpha", "beta", "gamma"});
        memo.rawText();
        memo.setLine(1, QStringLiteral("BETA")); // same length: only a real patch gets it right
        QCOMPARE(memo.rawText(), QStringLiteral("alpha\u2029BETA\u2029gamma\u2029"));
        for (int step = 0; step < 400; ++step) {
            const int lines = memo.lineCount();
            const int k = lines > 0 ? int(random.bounded(lines)) : 0;
            const QString s = QString(int(random.bounded(60)), QChar(u'a' + random.bounded(26)));
            switch (random.bounded(8)) {
            case 0: memo.addLine(s); break;
            case 1: memo.insertLine(k, s); break;
            case 2: memo.deleteLine(k); break;
            case 3: memo.setLine(k, s); break;
            case 4:
                memo.setSelStart(int(random.bounded(lines * 50 + 1)));
                memo.insertPlainText(s.left(2));
                break;
            case 5:
                if (random.bounded(10) == 0)
                    memo.setText(s + "\r\n" + s);
                break;
            case 6: memo.rawText(); break;
            default:
                memo.setSelStart(int(random.bounded(lines * 50 + 1)));
                memo.textCursor().deletePreviousChar();
                break;
            }
            if (step % 3 == 0)
                QCOMPARE(memo.rawText(), memo.document()->toRawText());
        }
        QCOMPARE(memo.rawText(), memo.document()->toRawText());
        QCOMPARE(memo.text(), memo.document()->toPlainText().replace("\n", "\r\n"));
    }

    // Many edits with no read between them, or one large paste, and the
    // text that Save writes is still what the document holds.
    void cachedTextAfterManyEditsOrALargePaste()
    {
        BuildListTextEdit memo(false);
        memo.setLines({"start"});
        memo.rawText();
        memo.setSelStart(5);
        for (const QChar c : QStringLiteral("abcdefghijk"))
            memo.insertPlainText(c);
        QCOMPARE(memo.latin1Text(), QByteArray("startabcdefghijk\r\n"));
        const QString large(5000, QLatin1Char('x'));
        QApplication::clipboard()->setText(large);
        memo.setSelStart(0);
        memo.paste();
        QCOMPARE(memo.latin1Text(), (large + QStringLiteral("startabcdefghijk\r\n")).toLatin1());
    }

    void linesContainingATextInOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("first and last, no final break") << "ab\r\ncd\r\nab"
                                                        << "ab" << QStringList{"ab", "ab"};
        QTest::newRow("twice in one line, visited once") << "xx abab\r\ncd\r\n"
                                                         << "ab" << QStringList{"xx abab"};
        QTest::newRow("not across a break") << "a\r\nb\r\n"
                                            << "ab" << QStringList{};
        QTest::newRow("empty text matches nothing") << "a\r\nb"
                                                    << "" << QStringList{};
        QTest::newRow("middle line") << "1\r\n2 Villager\r\n3\r\n"
                                     << "Villager" << QStringList{"2 Villager"};
    }
    void linesContainingATextInOrder()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(QStringList, visited);
        BuildListTextEdit memo(true);
        memo.setText(text);
        QStringList seen;
        memo.forEachLineContaining(needle, [&](QStringView line) { seen << line.toString(); });
        QCOMPARE(seen, visited);
    }

    void changeEventForEveryChange()
    {
        BuildListTextEdit memo(true);
        int changes = 0;
        QObject::connect(&memo, &BuildListTextEdit::changed, [&] { ++changes; });
        memo.setText(QStringLiteral("a"));
        QVERIFY(changes > 0);
        changes = 0;
        memo.addLine(QStringLiteral("b"));
        QVERIFY(changes > 0);
        changes = 0;
        memo.setLine(0, QStringLiteral("c"));
        QVERIFY(changes > 0);
    }

    void strictTextAreaTakesNoPasteOrDrop()
    {
        BuildListTextEdit memo(true);
        memo.setText(QStringLiteral("abc"));
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        memo.paste();
        QCOMPARE(memo.text(), QStringLiteral("abc"));
        QVERIFY(!memo.canPaste());
        // The program's own paste goes in, breaks and all.
        QApplication::clipboard()->setText(QStringLiteral("x\r\ny\r\n"));
        memo.setSelStart(0);
        memo.pasteAtCaret();
        QCOMPARE(memo.text(), QStringLiteral("x\r\ny\r\nabc"));
    }

    void filteredTextAreaDropsRefusedCharacters()
    {
        BuildListTextEdit memo(false);
        memo.setCharacterRule([](char16_t c) { return c >= 32 && c <= 255; });
        memo.show(); // keys reach only a shown text area
        QApplication::clipboard()->setText(QStringLiteral("a\tb") + QChar(0x102) + QStringLiteral("c\r\nd"));
        memo.paste();
        QCOMPARE(memo.text(), QStringLiteral("abc\r\nd"));
        QTest::keyClicks(&memo, QStringLiteral("e\tf"));
        QCOMPARE(memo.text(), QStringLiteral("abc\r\ndef")); // the tab moved the focus, typed nothing
    }

    // An edit box selects its text when it gains the focus other than by
    // the mouse; getting it back with its window, or from a closed popup,
    // keeps the selection as it was.
    void editBoxSelectsOnFocus_data()
    {
        QTest::addColumn<int>("lostBy");
        QTest::addColumn<int>("gainedBy");
        QTest::addColumn<bool>("selects");
        const int none = -1;
        QTest::newRow("tab") << none << int(Qt::TabFocusReason) << true;
        QTest::newRow("back tab") << none << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("access key") << none << int(Qt::ShortcutFocusReason) << true;
        QTest::newRow("program") << none << int(Qt::OtherFocusReason) << true;
        QTest::newRow("mouse") << none << int(Qt::MouseFocusReason) << false;
        QTest::newRow("popup closed") << int(Qt::PopupFocusReason) << int(Qt::PopupFocusReason) << false;
        QTest::newRow("window back") << int(Qt::ActiveWindowFocusReason) << int(Qt::ActiveWindowFocusReason)
                                     << false;
        QTest::newRow("given while the window was away") << none << int(Qt::ActiveWindowFocusReason) << true;
        QTest::newRow("tab after the window came back")
            << int(Qt::ActiveWindowFocusReason) << int(Qt::TabFocusReason) << true;
    }
    void editBoxSelectsOnFocus()
    {
        QFETCH(int, lostBy);
        QFETCH(int, gainedBy);
        QFETCH(bool, selects);
        TextBox edit(QStringLiteral("12"));
        CompletingComboBox combo;
        combo.setText(QStringLiteral("Villager"));
        for (QWidget* box : {static_cast<QWidget*>(&edit), static_cast<QWidget*>(&combo)}) {
            QLineEdit* line = box == &edit ? static_cast<QLineEdit*>(&edit) : combo.lineEdit();
            line->setCursorPosition(1);
            if (lostBy >= 0) {
                QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(lostBy));
                QCoreApplication::sendEvent(box, &out);
            }
            QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(gainedBy));
            QCoreApplication::sendEvent(box, &in);
            QCOMPARE(line->selectedText(), selects ? line->text() : QString());
        }
    }

    void listSelectionsByProgramDoNotClick()
    {
        BuildListView list;
        list.resize(200, 200);
        int clicks = 0;
        QObject::connect(&list, &BuildListView::clickedByUser, [&] { ++clicks; });
        list.setItems({"a", "b", "c"});
        QCOMPARE(list.itemIndex(), -1);
        list.setItemIndex(1);
        QCOMPARE(list.itemIndex(), 1);
        list.setItemIndex(7); // past the last: nothing changes
        QCOMPARE(list.itemIndex(), 1);
        QCOMPARE(clicks, 0);
        list.deleteItem(1); // the selected item goes: nothing is selected
        QCOMPARE(list.itemIndex(), -1);
        list.deleteItem(9);
        QCOMPARE(list.items(), (QStringList{"a", "c"}));
        QCOMPARE(list.text(), QStringLiteral("a\r\nc\r\n"));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, list.item(-1));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, list.item(2));
    }

    void replaceItemsGivesTheNewLines_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("same") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c"};
        QTest::newRow("one changed") << QStringList{"a", "b", "c", "d"} << QStringList{"a", "x", "c", "d"};
        QTest::newRow("appended") << QStringList{"a", "b", "c", "d"} << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("removed in the middle")
            << QStringList{"a", "b", "c", "d"} << QStringList{"a", "c", "d"};
        QTest::newRow("repeated lines") << QStringList{"a", "a", "a", "a"} << QStringList{"a", "a", "a"};
        QTest::newRow("grown from repeats") << QStringList{"a", "a"} << QStringList{"a", "a", "a", "a"};
        QTest::newRow("from empty") << QStringList{} << QStringList{"a", "b"};
        QTest::newRow("to empty") << QStringList{"a", "b"} << QStringList{};
        QTest::newRow("all different") << QStringList{"a", "b", "c"} << QStringList{"x", "y"};
    }
    void replaceItemsGivesTheNewLines()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        BuildListView list;
        list.setItems(before);
        if (!before.isEmpty())
            list.setItemIndex(int(before.size()) - 1);
        int clicks = 0;
        QObject::connect(&list, &BuildListView::clickedByUser, [&] { ++clicks; });
        const QList<QStringView> views(after.cbegin(), after.cend());
        list.replaceItems(views);
        QCOMPARE(list.items(), after);
        QCOMPARE(list.itemIndex(), -1);
        QCOMPARE(clicks, 0);
    }

    void listUserSelectionsClick()
    {
        BuildListView list;
        list.resize(200, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setItems({"a", "b", "c"});
        int clicks = 0;
        int selectedAtClick = -2;
        QObject::connect(&list, &BuildListView::clickedByUser, [&] {
            ++clicks;
            selectedAtClick = list.itemIndex();
        });
        const QRect second = list.visualItemRect(list.QListWidget::item(1));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(clicks, 1);
        QCOMPARE(selectedAtClick, 1);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(clicks, 2);
        QCOMPARE(selectedAtClick, 2);
    }

    void itemAtPosition()
    {
        BuildListView list;
        list.resize(200, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setItems({"a", "b", "c"});
        const QRect first = list.visualItemRect(list.QListWidget::item(0));
        const QPoint inFirst = list.viewport()->mapTo(&list, first.center());
        QCOMPARE(list.itemAtPos(inFirst), 0);
        const QPoint below = list.viewport()->mapTo(&list, QPoint(5, list.viewport()->height() - 3));
        QCOMPARE(list.itemAtPos(below), 3);
        QCOMPARE(list.itemAtPos(QPoint(0, 0)), -1); // the border
    }

    void spinnerStaysInRange()
    {
        UpDownArrows spin(1, 10, 1);
        int clicks = 0;
        QObject::connect(&spin, &UpDownArrows::clicked, [&] { ++clicks; });
        spin.click(UpDownArrows::Button::Down);
        QCOMPARE(spin.position(), 1);
        for (int i = 0; i < 12; ++i)
            spin.click(UpDownArrows::Button::Up);
        QCOMPARE(spin.position(), 10);
        QCOMPARE(clicks, 13);
    }

    void statusPanelsReadBack()
    {
        StatusPanels bar({300, 60, 55, 32, 50});
        QCOMPARE(bar.panelCount(), 5);
        bar.setPanelText(4, QStringLiteral("*"));
        QCOMPARE(bar.panelText(4), QStringLiteral("*"));
        QCOMPARE(bar.panelText(1), QString());
    }

    void conversionsAsTheToolkitDoesThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "42" << true << 42;
        QTest::newRow("negative") << "-1" << true << -1;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blank") << " " << false << 0;
        QTest::newRow("letter") << "a" << false << 0;
    }
    void conversionsAsTheToolkitDoesThem()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        try {
            QCOMPARE(StrToInt(text), value);
            QVERIFY(ok);
        } catch (const ConvertError& e) {
            QVERIFY(!ok);
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    void guardReportsAndGoesOn()
    {
        ScriptedDialogs dialogs;
        Application app(dialogs);
        dialogs.expectMessage();
        bool after = false;
        app.guard([] { throw ConvertError(QStringLiteral("x")); });
        app.guard([&] { after = true; });
        QVERIFY(after);
        QCOMPARE(dialogs.messages.size(), 1);
        const auto& m = dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("'x' is not a valid integer value."));
        QCOMPARE(m.title, QStringLiteral("QZ Vex AI File Editor"));
        QCOMPARE(m.buttons, MsgButtons::OK);
        QCOMPARE(m.icon, MsgIcon::Stop);
        QVERIFY(dialogs.finished());
    }

    // A window squeezed for want of room beside its owner asks for its full
    // size again where there is room; a size the user gave it is kept.
    void besideOwnerSqueezesOnlyWhileItMust()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        owner.setGeometry(screen.adjusted(40, 40, -40, -40)); // no side has room
        owner.show();
        QWidget tool(&owner, Qt::Tool);
        auto* placement = new BesideOwner(&tool, QSize(300, 200), QSize(120, 80));
        auto showBeside = [&] {
            placement->place(&owner);
            tool.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tool));
        };
        showBeside();
        QVERIFY(tool.width() < 300 || tool.height() < 200);
        tool.hide();
        owner.setGeometry(QRect(screen.topLeft() + QPoint(20, 20), QSize(100, 100))); // room on the right
        showBeside();
        QCOMPARE(tool.size(), QSize(300, 200));
        QVERIFY(!tool.frameGeometry().intersects(owner.frameGeometry()));
        tool.resize(250, 150); // by the user
        tool.hide();
        showBeside();
        QCOMPARE(tool.size(), QSize(250, 150));
    }

private:
    static QString line48(const char* s) { return QString::fromLatin1(s).leftJustified(48); }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
