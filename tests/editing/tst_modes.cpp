#include "app/window/tcombobox.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "buildlist/lineformat.h"
#include "editing/textcopy.h"
#include "search/window/tfinddialog.h"
#include "support/formfixture.h"

#include "support/nowarnings.h"
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QStringList named(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << line48(QStringLiteral("// line %1").arg(i));
    return lines;
}

void clickAt(FormFixture& f, int offset)
{
    f.form.Memo1->setSelStart(offset);
    f.form.Memo1Click();
}

} // namespace

class TestModes : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void splitAndJoin_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("final CR LF adds nothing") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("no final break") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("lone LF") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "\r\n\n\r" << QStringList{"", "", ""};
        QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty line between LFs") << "a\n\nb" << QStringList{"a", "", "b"};
    }
    void splitAndJoin()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(text), lines);
        QCOMPARE(splitLines(joinLines(lines)), lines);
        // The text area's own lines agree with the split.
        FormFixture f;
        f.form.Memo1->setText(text);
        QCOMPARE(f.form.Memo1->lines(), lines);
    }

    void roundTripKeepsTheLines()
    {
        FormFixture f;
        f.setLines(named(4));
        f.form.cmdEditClick();
        QVERIFY(f.form.linesMode);
        QCOMPARE(f.form.panel(TForm1::Panel::Mode), QStringLiteral("Lines"));
        QCOMPARE(f.listItems(), named(4));
        QVERIFY(f.form.ListBox1->isVisibleTo(&f.form));
        QVERIFY(!f.form.Memo1->isVisibleTo(&f.form));
        QCOMPARE(f.form.cmdAdd->text(), QStringLiteral("Insert"));
        QCOMPARE(f.form.cmdEdit->text(), QStringLiteral("Edit Normal"));
        f.form.cmdEditClick();
        QVERIFY(!f.form.linesMode);
        QCOMPARE(f.form.panel(TForm1::Panel::Mode), QStringLiteral("Normal"));
        QCOMPARE(f.lines(), named(4));
        QCOMPARE(f.form.cmdAdd->text(), QStringLiteral("Append"));
        QCOMPARE(f.form.cmdEdit->text(), QStringLiteral("Edit Lines"));
        // The text already ended with CR LF: nothing changed, no marker.
        QVERIFY(!f.form.isModified());
    }

    void roundTripAddsTheFinalBreak()
    {
        FormFixture f;
        f.form.document().reset({QStringLiteral("a"), QStringLiteral("b")}, false);
        f.form.cmdEditClick();
        f.form.cmdEditClick();
        QCOMPARE(f.text(), QStringLiteral("a\r\nb\r\n"));
        QVERIFY(f.form.isModified());
    }

    void emptyTextAndEmptyList()
    {
        FormFixture f;
        f.form.document().reset({});
        f.form.cmdEditClick();
        QCOMPARE(f.form.ListBox1->count(), 0);
        f.form.cmdEditClick();
        QCOMPARE(f.text(), QString());
        QVERIFY(!f.form.isModified());
    }

    void linesModeSelectsTheCaretLine()
    {
        FormFixture f;
        f.setLines(named(5));
        clickAt(f, 160); // line 3
        f.form.cmdEditClick();
        QCOMPARE(f.form.ListBox1->itemIndex(), 3);
        QCOMPARE(f.form.insertAt(), 4);
        f.form.cmdEditClick();
        clickAt(f, 250); // the empty line after the last
        f.form.cmdEditClick();
        QCOMPARE(f.form.ListBox1->itemIndex(), -1);
    }

    void normalModePlacesTheCaretUnderTheFirstBar()
    {
        FormFixture f;
        f.setLines(named(6));
        f.form.cmdEditClick();
        f.form.ListBox1->setItemIndex(4);
        f.form.ListBox1Click();
        f.form.cmdEditClick();
        QCOMPARE(f.form.Memo1->selStart(), 231);
        QCOMPARE(f.form.insertAt(), 5);
        QCOMPARE(f.form.currentLine(), 4);
        QCOMPARE(f.form.findFrom(), 4);
    }

    void nothingSelectedPutsTheCaretAtTheStart()
    {
        FormFixture f;
        f.setLines(named(3));
        f.form.Memo1->setSelStart(120);
        f.form.cmdEditClick();
        f.form.ListBox1->setItemIndex(-1);
        f.form.cmdEditClick();
        QCOMPARE(f.form.currentLine(), -1);
        QCOMPARE(f.form.insertAt(), 0);
        QCOMPARE(f.form.findFrom(), -1);
        QCOMPARE(f.form.Memo1->selStart(), 0);
    }

    void menuItemsOnlyChangeFromTheOtherMode()
    {
        FormFixture f;
        f.setLines(named(2));
        f.form.setUndoAvailable(true);
        f.form.mnuEditNormal->trigger();
        QVERIFY(!f.form.linesMode);
        QVERIFY(f.form.cmdDelete->isEnabled());
        f.form.mnuEditLines->trigger();
        QVERIFY(f.form.linesMode);
        QVERIFY(!f.form.cmdDelete->isEnabled());
        f.form.ListBox1->setItemIndex(1);
        f.form.mnuEditLines->trigger();
        QCOMPARE(f.form.ListBox1->itemIndex(), 1);
        QVERIFY(f.form.linesMode);
        f.form.mnuEditNormal->trigger();
        QVERIFY(!f.form.linesMode);
    }

    void everyChangeOfModeDisablesUndo()
    {
        FormFixture f;
        f.form.cmdAddClick();
        QVERIFY(f.form.cmdDelete->isEnabled());
        f.form.cmdEditClick();
        QVERIFY(!f.form.cmdDelete->isEnabled());
        f.form.setUndoAvailable(true);
        f.form.cmdEditClick();
        QVERIFY(!f.form.cmdDelete->isEnabled());
    }

    void insertThroughAClickInTheList()
    {
        FormFixture f;
        f.setLines(named(4));
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        QTest::mouseClick(f.form.cmdEdit, Qt::LeftButton);
        QVERIFY(f.form.linesMode);
        TListBox* list = f.form.ListBox1;
        const QRect row1 = list->visualItemRect(list->QListWidget::item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1.center());
        QCOMPARE(f.form.currentLine(), 1);
        QCOMPARE(f.form.insertAt(), 2);
        QCOMPARE(f.form.findFrom(), 1);
        QTest::mouseClick(f.form.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.listItems().at(2), QStringLiteral("U83       Villager             1      109       "));
        QTest::mouseClick(f.form.cmdEdit, Qt::LeftButton);
        QCOMPARE(f.lines().at(2), QStringLiteral("U83       Villager             1      109       "));
        QVERIFY(f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void keyboardSelectionInTheListRunsTheClick()
    {
        FormFixture f;
        f.setLines(named(4));
        f.form.cmdEditClick();
        f.form.ListBox1->setItemIndex(0);
        QTest::keyClick(f.form.ListBox1, Qt::Key_Down);
        QCOMPARE(f.form.currentLine(), 1);
        QCOMPARE(f.form.insertAt(), 2);
    }

    // A search from Normal mode hides the text area while the find dialog
    // is the active window; the key that closes the dialog must not reach
    // the hidden text area and move the insertion point off the hit.
    void hiddenTextAreaTakesNoKeys()
    {
        FormFixture f;
        f.setLines(named(5));
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        f.form.Memo1->setFocus();
        clickAt(f, 10);
        f.form.dlgFind->setFindText(QStringLiteral("line 3"));
        f.form.dlgFindFind();
        QCOMPARE(f.form.insertAt(), 4);
        QCOMPARE(f.form.focusWidget(), static_cast<QWidget*>(f.form.ListBox1));
        QTest::keyRelease(f.form.Memo1, Qt::Key_Escape);
        QTest::keyClick(f.form.Memo1, Qt::Key_X);
        QCOMPARE(f.form.insertAt(), 4);
        QCOMPARE(f.form.currentLine(), 0);
        QCOMPARE(f.form.Memo1->lines(), named(5));
        f.form.cmdEditClick();
        QCOMPARE(f.form.focusWidget(), static_cast<QWidget*>(f.form.Memo1));
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
