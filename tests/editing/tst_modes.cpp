#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/textcopy.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/window/findcommand.h"
#include "search/window/finddialog.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"

#include "support/nowarnings.h"
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

void clickAt(FormFixture& f, int offset)
{
    placeCaret(ui(f.form).textArea, offset);
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
        ui(f.form).textArea->setText(text);
        QCOMPARE(ui(f.form).textArea->lines(), lines);
    }

    void roundTripKeepsTheLines()
    {
        FormFixture f;
        f.setLines(commentLines(4));
        ui(f.form).modeButton->click();
        QVERIFY(ui(f.form).modes->linesMode());
        QCOMPARE(f.form.panel(MainWindow::Panel::Mode), QStringLiteral("Lines"));
        QCOMPARE(f.listItems(), commentLines(4));
        QVERIFY(ui(f.form).lineList->isVisibleTo(&f.form));
        QVERIFY(!ui(f.form).textArea->isVisibleTo(&f.form));
        QCOMPARE(ui(f.form).appendButton->text(), QStringLiteral("Insert"));
        QCOMPARE(ui(f.form).modeButton->text(), QStringLiteral("Edit Normal"));
        ui(f.form).modeButton->click();
        QVERIFY(!ui(f.form).modes->linesMode());
        QCOMPARE(f.form.panel(MainWindow::Panel::Mode), QStringLiteral("Normal"));
        QCOMPARE(f.lines(), commentLines(4));
        QCOMPARE(ui(f.form).appendButton->text(), QStringLiteral("Append"));
        QCOMPARE(ui(f.form).modeButton->text(), QStringLiteral("Edit Lines"));
        // The text already ended with CR LF: nothing changed, no marker.
        QVERIFY(!f.form.isModified());
    }

    void roundTripAddsTheFinalBreak()
    {
        FormFixture f;
        f.form.document().reset({QStringLiteral("a"), QStringLiteral("b")}, false);
        ui(f.form).modeButton->click();
        ui(f.form).modeButton->click();
        QCOMPARE(f.text(), QStringLiteral("a\r\nb\r\n"));
        QVERIFY(f.form.isModified());
    }

    void emptyTextAndEmptyList()
    {
        FormFixture f;
        f.form.document().reset({});
        ui(f.form).modeButton->click();
        QCOMPARE(ui(f.form).lineList->count(), 0);
        ui(f.form).modeButton->click();
        QCOMPARE(f.text(), QString());
        QVERIFY(!f.form.isModified());
    }

    void linesModeSelectsTheCaretLine()
    {
        FormFixture f;
        f.setLines(commentLines(5));
        clickAt(f, 160); // line 3
        ui(f.form).modeButton->click();
        QCOMPARE(ui(f.form).lineList->itemIndex(), 3);
        QCOMPARE(f.form.document().position().insertAt, 4);
        ui(f.form).modeButton->click();
        clickAt(f, 250); // the empty line after the last
        ui(f.form).modeButton->click();
        QCOMPARE(ui(f.form).lineList->itemIndex(), -1);
    }

    void normalModePlacesTheCaretUnderTheFirstBar()
    {
        FormFixture f;
        f.setLines(commentLines(6));
        ui(f.form).modeButton->click();
        clickRow(ui(f.form).lineList, 4);
        ui(f.form).modeButton->click();
        QCOMPARE(ui(f.form).textArea->selStart(), 231);
        QCOMPARE(f.form.document().position().insertAt, 5);
        QCOMPARE(f.form.document().position().line, 4);
        QCOMPARE(f.form.document().position().findFrom, 4);
    }

    void nothingSelectedPutsTheCaretAtTheStart()
    {
        FormFixture f;
        f.setLines(commentLines(3));
        clickAt(f, 150); // the empty line after the last: no row to select
        ui(f.form).modeButton->click();
        QCOMPARE(ui(f.form).lineList->itemIndex(), -1);
        ui(f.form).modeButton->click();
        QCOMPARE(f.form.document().position().line, -1);
        QCOMPARE(f.form.document().position().insertAt, 0);
        QCOMPARE(f.form.document().position().findFrom, -1);
        QCOMPARE(ui(f.form).textArea->selStart(), 0);
    }

    void menuItemsOnlyChangeFromTheOtherMode()
    {
        FormFixture f;
        f.setLines(commentLines(2));
        ui(f.form).text->setUndoAvailable(true);
        ui(f.form).editNormalAction->trigger();
        QVERIFY(!ui(f.form).modes->linesMode());
        QVERIFY(ui(f.form).removeLastLineButton->isEnabled());
        ui(f.form).editLinesAction->trigger();
        QVERIFY(ui(f.form).modes->linesMode());
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
        ui(f.form).lineList->setItemIndex(1);
        ui(f.form).editLinesAction->trigger();
        QCOMPARE(ui(f.form).lineList->itemIndex(), 1);
        QVERIFY(ui(f.form).modes->linesMode());
        ui(f.form).editNormalAction->trigger();
        QVERIFY(!ui(f.form).modes->linesMode());
    }

    void everyChangeOfModeDisablesUndo()
    {
        FormFixture f;
        ui(f.form).picker->appendItem();
        QVERIFY(ui(f.form).removeLastLineButton->isEnabled());
        ui(f.form).modeButton->click();
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
        ui(f.form).text->setUndoAvailable(true);
        ui(f.form).modeButton->click();
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
    }

    void insertThroughAClickInTheList()
    {
        FormFixture f;
        f.setLines(commentLines(4));
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        QTest::mouseClick(ui(f.form).modeButton, Qt::LeftButton);
        QVERIFY(ui(f.form).modes->linesMode());
        BuildListView* list = ui(f.form).lineList;
        const QRect row1 = list->visualItemRect(list->QListWidget::item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1.center());
        QCOMPARE(f.form.document().position().line, 1);
        QCOMPARE(f.form.document().position().insertAt, 2);
        QCOMPARE(f.form.document().position().findFrom, 1);
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        QCOMPARE(f.listItems().at(2), QStringLiteral("U83       Villager             1      109       "));
        QTest::mouseClick(ui(f.form).modeButton, Qt::LeftButton);
        QCOMPARE(f.lines().at(2), QStringLiteral("U83       Villager             1      109       "));
        QVERIFY(f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void keyboardSelectionInTheListRunsTheClick()
    {
        FormFixture f;
        f.setLines(commentLines(4));
        ui(f.form).modeButton->click();
        ui(f.form).lineList->setItemIndex(0);
        QTest::keyClick(ui(f.form).lineList, Qt::Key_Down);
        QCOMPARE(f.form.document().position().line, 1);
        QCOMPARE(f.form.document().position().insertAt, 2);
    }

    // A search from Normal mode hides the text area while the find dialog
    // is the active window; the key that closes the dialog must not reach
    // the hidden text area and move the insertion point off the hit.
    void hiddenTextAreaTakesNoKeys()
    {
        FormFixture f;
        f.setLines(commentLines(5));
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        ui(f.form).textArea->setFocus();
        clickAt(f, 10);
        ui(f.form).findDialog->setFindText(QStringLiteral("line 3"));
        ui(f.form).find->findNext();
        QCOMPARE(f.form.document().position().insertAt, 4);
        QCOMPARE(f.form.focusWidget(), static_cast<QWidget*>(ui(f.form).lineList));
        QTest::keyRelease(ui(f.form).textArea, Qt::Key_Escape);
        QTest::keyClick(ui(f.form).textArea, Qt::Key_X);
        QCOMPARE(f.form.document().position().insertAt, 4);
        QCOMPARE(f.form.document().position().line, 0);
        QCOMPARE(ui(f.form).textArea->lines(), commentLines(5));
        ui(f.form).modeButton->click();
        QCOMPARE(f.form.focusWidget(), static_cast<QWidget*>(ui(f.form).textArea));
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
