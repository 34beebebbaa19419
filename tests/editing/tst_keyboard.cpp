#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/window/countwindow.h"
#include "search/window/finddialog.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "editing/window/keymessages.h"
#include "support/nowarnings.h"
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>

namespace {

const QString kLine2 = QStringLiteral("U83       Villager             3      109       ");

// A window with three lines, shown and focused on the text area, the caret
// on line `line` at `column`, as after a click there.
struct Typing {
    FormFixture f;
    explicit Typing(const QStringList& lines)
    {
        f.setLines(lines);
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        ui(f.form).textArea->setFocus();
    }
    void caret(int offset) { placeCaret(ui(f.form).textArea, offset); }
    int refusals() const { return int(f.dialogs.sounds.size()); }
};

void expectRefusal(FormFixture& f)
{
    f.dialogs.expectMessage();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void fullLineRefusesTyping()
    {
        Typing t({kLine2});
        t.caret(10);
        expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_A);
        QCOMPARE(t.f.lines(), QStringList{kLine2});
        QCOMPARE(t.f.dialogs.sounds, QStringList{"Kick8.wav"});
        const auto& m = t.f.dialogs.messages.at(0);
        QCOMPARE(m.text, KeyMessages::kLineLengthInvalid);
        QCOMPARE(m.title, KeyMessages::kTitle);
        QCOMPARE(m.icon, MsgIcon::Exclamation);
        QCOMPARE(m.buttons, MsgButtons::OK);
        QVERIFY(!t.f.form.isModified());
        VERIFY_DIALOGS(t.f);
    }

    void typingOverASelectionReplacesIt()
    {
        Typing t({kLine2});
        QTextCursor c = ui(t.f.form).textArea->textCursor();
        c.setPosition(31);
        c.setPosition(32, QTextCursor::KeepAnchor);
        ui(t.f.form).textArea->setTextCursor(c);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_7);
        QCOMPARE(t.f.lines().at(0), QString(kLine2).replace(31, 1, QLatin1Char('7')));
        QVERIFY(t.f.form.isModified());
        VERIFY_DIALOGS(t.f);
    }

    void shortLineFillsUpTo48()
    {
        Typing t({QString(20, QLatin1Char('x'))});
        t.caret(20);
        QTest::keyClicks(ui(t.f.form).textArea, QString(28, QLatin1Char('y')));
        QCOMPARE(t.f.lines().at(0).size(), 48);
        expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Z);
        QCOMPARE(t.f.lines().at(0).size(), 48);
        QCOMPARE(t.refusals(), 1);
        VERIFY_DIALOGS(t.f);
    }

    void editingKeysAreRefused_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
        QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier);
    }
    void editingKeysAreRefused()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        for (bool withSelection : {false, true}) {
            Typing t({QStringLiteral("short"), kLine2});
            QApplication::clipboard()->setText(QStringLiteral("PASTE"));
            t.caret(3);
            if (withSelection) {
                QTextCursor c = ui(t.f.form).textArea->textCursor();
                c.setPosition(1, QTextCursor::KeepAnchor);
                ui(t.f.form).textArea->setTextCursor(c);
            }
            expectRefusal(t.f);
            QTest::keyClick(ui(t.f.form).textArea, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(t.f.lines(), (QStringList{QStringLiteral("short"), kLine2}));
            QCOMPARE(t.refusals(), 1);
            VERIFY_DIALOGS(t.f);
        }
    }

    void charactersOutsidePrintableAsciiAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("e acute") << QStringLiteral("\u00e9");
        QTest::newRow("DEL") << QStringLiteral("\x7f");
        QTest::newRow("euro") << QStringLiteral("\u20ac");
    }
    void charactersOutsidePrintableAsciiAreRefused()
    {
        QFETCH(QString, text);
        Typing t({QStringLiteral("short")});
        t.caret(5);
        expectRefusal(t.f);
        QTest::sendKeyEvent(QTest::Press, ui(t.f.form).textArea, Qt::Key_unknown, text, Qt::NoModifier);
        QCOMPARE(t.f.lines(), QStringList{"short"});
        VERIFY_DIALOGS(t.f);
    }

    void composedTextFollowsTheSameRules()
    {
        Typing t({QString(46, QLatin1Char('x'))});
        t.caret(46);
        expectRefusal(t.f);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("ab\u00e9"));
        QApplication::sendEvent(ui(t.f.form).textArea, &commit);
        QCOMPARE(t.f.lines().at(0), QString(46, QLatin1Char('x')) + QStringLiteral("ab"));
        VERIFY_DIALOGS(t.f);
    }

    void deleteShortensAndUpPads()
    {
        Typing t({kLine2, kLine2});
        t.caret(47);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Delete);
        QCOMPARE(t.f.lines().at(0).size(), 47);
        QVERIFY(t.f.form.isModified());
        t.f.form.document().markSaved();
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Down);
        QCOMPARE(t.f.lines().at(0), kLine2);
        QVERIFY(t.f.form.isModified());
        // The caret started from the padded line's end and went down.
        QCOMPARE(t.f.form.document().position().line, 1);
        VERIFY_DIALOGS(t.f);
    }

    // Delete at a line's end would join the next line on: refused when the
    // two would be longer than a line, allowed when they fit.
    void deleteJoinsOnlyWhatFits()
    {
        Typing t({kLine2, kLine2});
        t.caret(48);
        expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Delete);
        QCOMPARE(t.f.lines(), QStringList({kLine2, kLine2}));
        QCOMPARE(t.refusals(), 1);
        Typing fits({QStringLiteral("// a"), QStringLiteral("b")});
        ui(fits.f.form).textArea->setSelStart(4);
        QTest::keyClick(ui(fits.f.form).textArea, Qt::Key_Delete);
        QCOMPARE(fits.f.lines(), QStringList({QStringLiteral("// ab")}));
        VERIFY_DIALOGS(t.f);
        VERIFY_DIALOGS(fits.f);
    }

    // Delete joins two lines into one of at most 48 characters, by either
    // road: at the end of a line, or over a selection that spans the
    // break. Exactly 48 is taken, 49 refused.
    void deleteJoinAtTheLimit_data()
    {
        QTest::addColumn<int>("firstLength");
        QTest::addColumn<int>("secondLength");
        QTest::addColumn<int>("from"); // the selection's start on the first line
        QTest::addColumn<int>("to"); // its end, a column of the second line; -1: no selection
        QTest::addColumn<int>("joined");
        QTest::newRow("line end, 48") << 20 << 28 << 20 << -1 << 48;
        QTest::newRow("line end, 49") << 20 << 29 << 20 << -1 << 49;
        QTest::newRow("selection, 48") << 40 << 30 << 30 << 12 << 48;
        QTest::newRow("selection, 49") << 40 << 30 << 30 << 11 << 49;
    }
    void deleteJoinAtTheLimit()
    {
        QFETCH(int, firstLength);
        QFETCH(int, secondLength);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, joined);
        const QStringList lines = {QString(firstLength, QLatin1Char('a')),
                                   QString(secondLength, QLatin1Char('b'))};
        Typing t(lines);
        QTextCursor c = ui(t.f.form).textArea->textCursor();
        c.setPosition(from);
        if (to >= 0)
            c.setPosition(firstLength + 1 + to, QTextCursor::KeepAnchor);
        ui(t.f.form).textArea->setTextCursor(c);
        if (joined > 48)
            expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Delete);
        if (joined > 48) {
            QCOMPARE(t.f.lines(), lines);
        } else {
            QCOMPARE(t.f.lines().size(), 1);
            QCOMPARE(t.f.lines().first().size(), 48);
            // Undone whole: both lines come back.
            choose(ui(t.f.form).undoAction);
            QCOMPARE(t.f.lines(), lines);
        }
        VERIFY_DIALOGS(t.f);
    }

    void theLineTestedIsTheCaretLine()
    {
        // After New the noted line is stale: the caret is on the full
        // starting line, and that is the line that must not grow.
        Typing t({kLine2, kLine2, kLine2, kLine2, kLine2, kLine2});
        t.caret(260); // line 5
        choose(ui(t.f.form).newAction);
        ui(t.f.form).textArea->setFocus();
        ui(t.f.form).textArea->setSelStart(10);
        expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Q);
        QCOMPARE(t.f.lines().at(0).size(), 48);
        VERIFY_DIALOGS(t.f);
    }

    void shortLineAboveDoesNotOpenTheNextOne()
    {
        // Line 0 is short, so line 1 starts before offset 50: the slot
        // arithmetic names line 0, but the character would go into line 1.
        Typing t({QStringLiteral("short"), kLine2});
        t.caret(5);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Right); // onto line 1, offset 7
        QCOMPARE(t.f.form.document().position().line, 0);
        expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Q);
        QCOMPARE(t.f.lines().at(1), kLine2);
        VERIFY_DIALOGS(t.f);
    }

    void selectionOverABreakCountsTheJoinedLine_data()
    {
        QTest::addColumn<int>("firstLength");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // column on the second line
        QTest::addColumn<bool>("accepted");
        QTest::newRow("joined fits") << 30 << 20 << 10 << true; // 20 + 1 + 20
        QTest::newRow("joined too long") << 48 << 40 << 10 << false; // 40 + 1 + 38
    }
    void selectionOverABreakCountsTheJoinedLine()
    {
        QFETCH(int, firstLength);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, accepted);
        const QString second = firstLength == 48 ? kLine2 : QString(30, QLatin1Char('b'));
        Typing t({QString(firstLength, QLatin1Char('a')), second});
        QTextCursor c = ui(t.f.form).textArea->textCursor();
        c.setPosition(from);
        c.setPosition(firstLength + 1 + to, QTextCursor::KeepAnchor);
        ui(t.f.form).textArea->setTextCursor(c);
        if (!accepted)
            expectRefusal(t.f);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Z);
        for (const QString& line : t.f.lines())
            QVERIFY(line.size() <= 48);
        QCOMPARE(t.f.lines().size(), accepted ? 1 : 2);
        VERIFY_DIALOGS(t.f);
    }

    void upOnAFullLineChangesNothing()
    {
        Typing t({kLine2, kLine2});
        t.caret(60);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Up);
        QVERIFY(!t.f.form.isModified());
        QCOMPARE(t.f.form.document().position().line, 0);
    }

    void downOnTheEmptyLineAfterTheLastFillsIt()
    {
        Typing t({kLine2});
        t.caret(50);
        QCOMPARE(t.f.form.document().position().line, 1);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Down);
        QCOMPARE(t.f.text(), kLine2 + QStringLiteral("\r\n") + QString(48, QLatin1Char(' ')));
    }

    void padWritesNothingForAMissingLine()
    {
        FormFixture f;
        f.setLines({QStringLiteral("a")});
        for (int missing : {-1, 5}) {
            setPlace(f.form.document(), missing, missing + 1);
            QTest::keyClick(ui(f.form).textArea, Qt::Key_Up);
            QCOMPARE(f.text(), QStringLiteral("a\r\n"));
        }
    }

    void clickSetsLineInsertionPointAndColumn_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("column");
        QTest::newRow("137") << 137 << 2 << "37";
        QTest::newRow("0") << 0 << 0 << "0";
        QTest::newRow("end") << 150 << 3 << "0";
    }
    void clickSetsLineInsertionPointAndColumn()
    {
        QFETCH(int, offset);
        QFETCH(int, line);
        QFETCH(QString, column);
        FormFixture f;
        f.setLines({kLine2, kLine2, kLine2});
        placeCaret(ui(f.form).textArea, offset);
        QCOMPARE(f.form.document().position().line, line);
        QCOMPARE(f.form.document().position().insertAt, line + 1);
        QCOMPARE(f.form.panel(MainWindow::Panel::Column), column);
    }

    void realMouseClickUpdatesTheStatus()
    {
        Typing t({kLine2, kLine2, kLine2});
        QTextCursor c(ui(t.f.form).textArea->document()->findBlockByNumber(2));
        c.setPosition(c.position() + 37);
        const QPoint at = ui(t.f.form).textArea->cursorRect(c).center();
        QTest::mouseClick(ui(t.f.form).textArea->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(t.f.form.document().position().line, 2);
        QCOMPARE(t.f.form.panel(MainWindow::Panel::Column), QStringLiteral("37"));
    }

    void keyReleaseUpdatesTheStatus()
    {
        Typing t({kLine2, kLine2});
        t.caret(0);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Down);
        QCOMPARE(t.f.form.document().position().line, 1);
        QCOMPARE(t.f.form.document().position().insertAt, 2);
        QCOMPARE(t.f.form.panel(MainWindow::Panel::Column), QStringLiteral("0"));
    }

    // A new text leaves no marker; a change to it sets the marker, and the
    // text area shows the change.
    void theMarkerFollowsTheDocument()
    {
        FormFixture f;
        f.form.document().reset({QStringLiteral("x")});
        QVERIFY(!f.form.isModified());
        QCOMPARE(f.text(), QStringLiteral("x\r\n"));
        f.form.document().insertLines(LineStep::Kind::Append, 1, {QStringLiteral("y")});
        QVERIFY(f.form.isModified());
        QCOMPARE(f.text(), QStringLiteral("x\r\ny\r\n"));
    }

    void tabMovesTheFocus()
    {
        Typing t({QStringLiteral("short")});
        t.caret(5);
        QTest::keyClick(ui(t.f.form).textArea, Qt::Key_Tab);
        QCOMPARE(t.f.lines(), QStringList{"short"});
        QVERIFY(QApplication::focusWidget() != ui(t.f.form).textArea);
        VERIFY_DIALOGS(t.f);
    }

    void menuShortcutsWinInEveryControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("text area") << "memo";
        QTest::newRow("item box") << "combo";
        QTest::newRow("quantity box") << "count";
    }
    void menuShortcutsWinInEveryControl()
    {
        QFETCH(QString, control);
        Typing t({kLine2});
        QWidget* target = control == "memo"    ? static_cast<QWidget*>(ui(t.f.form).textArea)
                          : control == "combo" ? static_cast<QWidget*>(ui(t.f.form).itemBox->lineEdit())
                                               : static_cast<QWidget*>(ui(t.f.form).quantitySpin);
        target->setFocus();
        QApplication::processEvents();
        int saveAs = 0, exits = 0, saves = 0, opens = 0;
        QObject::connect(ui(t.f.form).saveAsAction, &QAction::triggered, [&] { ++saveAs; });
        QObject::connect(ui(t.f.form).exitAction, &QAction::triggered, [&] { ++exits; });
        QObject::connect(ui(t.f.form).saveAction, &QAction::triggered, [&] { ++saves; });
        QObject::connect(ui(t.f.form).openAction, &QAction::triggered, [&] { ++opens; });
        t.f.dialogs.expectSave(std::nullopt); // Ctrl+A: Save As, cancelled
        t.f.dialogs.expectSave(std::nullopt); // Ctrl+S with no file name goes through Save As
        t.f.dialogs.expectOpen(std::nullopt); // Ctrl+O, cancelled
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_X, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // the commands run
        QCOMPARE(saveAs, 1);
        QCOMPARE(saves, 1);
        QCOMPARE(opens, 1);
        QCOMPARE(exits, 1);
        QVERIFY(t.f.app.terminated());
        QCOMPARE(t.f.lines(), QStringList{kLine2}); // nothing was cut
        VERIFY_DIALOGS(t.f);
    }

    // Alt with a letter that is no access key types nothing, in any box.
    void altCombinationsTypeNothing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("text area") << "memo";
        QTest::newRow("item box") << "combo";
        QTest::newRow("quantity box") << "count";
        QTest::newRow("find text") << "find";
        QTest::newRow("count window's units") << "units";
        QTest::newRow("count window's text") << "memo2";
    }
    void altCombinationsTypeNothing()
    {
        QFETCH(QString, control);
        Typing t({QStringLiteral("short")});
        t.caret(5);
        MainWindow& form = t.f.form;
        CountWindow& form2 = t.f.form2;
        QWidget* target = nullptr;
        std::function<QString()> text;
        if (control == "memo") {
            target = ui(form).textArea;
            text = [&] { return ui(form).textArea->text(); };
        }
        if (control == "combo") {
            target = ui(form).itemBox;
            text = [&] { return ui(form).itemBox->text(); };
        }
        if (control == "count") {
            target = ui(form).quantitySpin;
            text = [&] { return ui(form).quantitySpin->text(); };
        }
        if (control == "find") {
            target = ui(*ui(form).findDialog).findText;
            text = [&] { return ui(form).findDialog->findText(); };
        }
        if (control == "units") {
            target = ui(form2).unitBox;
            text = [&] { return ui(form2).unitBox->currentText(); };
        }
        if (control == "memo2") {
            target = ui(form2).counts;
            text = [&] { return ui(form2).counts->text(); };
        }
        target->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(target->window()));
        target->setFocus();
        const QString before = text();
        for (Qt::Key key : {Qt::Key_Q, Qt::Key_N, Qt::Key_Z})
            QTest::keyClick(target, key, Qt::AltModifier);
        QCOMPARE(text(), before);
        QVERIFY(!form.isModified());
        VERIFY_DIALOGS(t.f);
    }

    // A press inside the selection places the caret: no drag can take the
    // text out of the build list.
    void pressInTheSelectionStartsNoDrag()
    {
        Typing t({kLine2});
        QTextCursor c = ui(t.f.form).textArea->textCursor();
        c.setPosition(10);
        c.setPosition(18, QTextCursor::KeepAnchor);
        ui(t.f.form).textArea->setTextCursor(c);
        c.setPosition(14);
        const QPoint inside = ui(t.f.form).textArea->cursorRect(c).center();
        QTest::mousePress(ui(t.f.form).textArea->viewport(), Qt::LeftButton, {}, inside);
        QVERIFY(!ui(t.f.form).textArea->textCursor().hasSelection());
        QTest::mouseRelease(ui(t.f.form).textArea->viewport(), Qt::LeftButton, {}, inside);
        QCOMPARE(t.f.lines(), QStringList{kLine2});
        QCOMPARE(ui(t.f.form).textArea->selStart(), 14);
        VERIFY_DIALOGS(t.f);
    }

    void droppedTextIsRefused()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        QMimeData data;
        data.setText(QStringLiteral("DROPPED"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ui(f.form).textArea->viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ui(f.form).textArea->viewport(), &drop);
        QCOMPARE(f.text(), QString::fromLatin1(kStartingLine) + "\r\n");
    }

    void contextMenuOffersNoEditing()
    {
        FormFixture f;
        std::unique_ptr<QMenu> menu(ui(f.form).textArea->createMenu());
        QStringList items;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                items << a->text().remove(QLatin1Char('&'));
        QCOMPARE(items, (QStringList{"Copy", "Select All"}));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
