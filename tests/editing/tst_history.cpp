// Undo and Redo: each kind of change is one step, and taking it back
// leaves the window exactly as the change found it.
#include "app/mainwindow.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/window/countwindow.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "support/nowarnings.h"
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

const QString W = line48("// W");
const QString X = QStringLiteral("U83       Villager             3      109       ");
const QString Y = QStringLiteral("// Y");
const QString Z = QStringLiteral("U83       Villager             2      109       ");

void chooseVillager(MainWindow& form)
{
    for (int i = 0; i < ui(form).itemBox->count(); ++i)
        if (ui(form).itemBox->itemText(i).trimmed() == QLatin1String("Villager"))
            ui(form).itemBox->setItemIndex(i);
}

// Puts the caret at a line and column as a click does.
void clickText(MainWindow& form, int line, int column)
{
    placeCaret(ui(form).textArea, line * 50 + column);
}

// A change made to the window as the user makes it.
using Change = std::function<void(FormFixture&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Each kind of change, made by the road the user takes: Undo names it
    // and gives back the window as it was, Redo the window as it was left.
    void undoGivesBackTheWindow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<int>("caret"); // in Normal mode, where a click put it
        QTest::addColumn<Change>("change");
        const auto type = [](const QString& keys) {
            return Change([keys](FormFixture& f) { QTest::keyClicks(ui(f.form).textArea, keys); });
        };
        QTest::newRow("typing, two keys on a short line") << "Typing" << false << 104 << type("ab");
        QTest::newRow("typing that pads on Down") << "Typing" << false << 104 << Change([](FormFixture& f) {
            QTest::keyClick(ui(f.form).textArea, Qt::Key_A);
            QTest::keyClick(ui(f.form).textArea, Qt::Key_Down);
        });
        QTest::newRow("Delete of a selection over a line break")
            << "Typing" << false << 102 << Change([](FormFixture& f) {
                   QTextCursor c = ui(f.form).textArea->textCursor();
                   c.setPosition(ui(f.form).textArea->document()->findBlockByNumber(3).position() + 44,
                                 QTextCursor::KeepAnchor);
                   ui(f.form).textArea->setTextCursor(c);
                   QTest::keyClick(ui(f.form).textArea, Qt::Key_Delete);
               });
        const Change add([](FormFixture& f) { ui(f.form).appendButton->click(); });
        QTest::newRow("Append of a Villager") << "Append" << false << 104 << add;
        QTest::newRow("the Undo button")
            << "Remove Last Line" << false << 104
            << Change([](FormFixture& f) { ui(f.form).removeLastLineButton->click(); });
        QTest::newRow("Create Comment") << "Create Comment" << false << 104 << Change([](FormFixture& f) {
            ui(f.form2).countButton->click();
            ui(f.form2).countButton->click();
            ui(f.form2).copyButton->click();
        });
        QTest::newRow("Insert") << "Insert" << true << 0 << add;
        QTest::newRow("Move Line by Alt+Down") << "Move Line" << true << 0 << Change([](FormFixture& f) {
            QTest::keyClick(ui(f.form).lineList, Qt::Key_Down, Qt::AltModifier);
        });
        QTest::newRow("Remove Line of a Villager")
            << "Remove Line" << true << 0
            << Change([](FormFixture& f) { chooseFromLineMenu(ui(f.form).lineList, "Remove"); });
    }
    void undoGivesBackTheWindow()
    {
        QFETCH(QString, kind);
        QFETCH(bool, lines);
        QFETCH(int, caret);
        QFETCH(Change, change);
        FormFixture f;
        MainWindow& form = f.form;
        f.setLines({W, X, Y, Z});
        ui(form).picker->recountVillagers();
        form.show();
        chooseVillager(form);
        ui(form).picker->appendItem(); // the Undo button may take it away
        if (lines) {
            ui(form).modeButton->click();
            clickRow(ui(form).lineList, 1);
        } else {
            clickText(form, caret / 50, caret % 50);
        }
        form.document().markSaved();
        form.document().clearHistory();
        const QStringList before = windowState(form);
        change(f);
        const QStringList after = windowState(form);
        QVERIFY(after != before);
        // A click elsewhere moves the caret, and is no step: Redo still
        // gives back the place the change left.
        if (!lines)
            clickText(form, 0, 3);
        QCOMPARE(form.document().stepCount(), 1);
        QCOMPARE(ui(form).undoAction->text(), QStringLiteral("Undo ") + kind);
        QVERIFY(ui(form).undoAction->isEnabled() && !ui(form).redoAction->isEnabled());

        choose(ui(form).undoAction);
        QCOMPARE(windowState(form), before);
        QCOMPARE(ui(form).redoAction->text(), QStringLiteral("Redo ") + kind);
        QVERIFY(!ui(form).undoAction->isEnabled() && ui(form).redoAction->isEnabled());
        // Redo leaves the window as the change did, the caret and the
        // column where it left them.
        choose(ui(form).redoAction);
        QStringList redone = windowState(form);
        if (kind == QLatin1String("Typing")
            && QTest::currentDataTag() == QLatin1String("typing that pads on Down"))
            redone[2] = after[2]; // the caret after the last key typed, before Down moved it
        QCOMPARE(redone, after);
        VERIFY_DIALOGS(f);
    }

    // The keys reach the history from the text area, which no longer
    // refuses them; with nothing to take back they only beep. Keystrokes
    // on one line are one step; a move to another line, or to another
    // control, ends it.
    void keysUndoAndRedoTyping()
    {
        FormFixture f;
        MainWindow& form = f.form;
        const QString A = line48("// A");
        f.setLines({A, "// B"});
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        ui(form).textArea->setFocus();
        clickText(form, 1, 4);
        QTest::keyClicks(ui(form).textArea, QStringLiteral("a"));
        ui(form).refreshVillagersButton->setFocus();
        ui(form).textArea->setFocus();
        QTest::keyClicks(ui(form).textArea, QStringLiteral("b"));
        QTest::keyClick(ui(form).textArea, Qt::Key_Up); // pads line 1, then leaves it
        QTest::keyClick(ui(form).textArea, Qt::Key_Home);
        QTest::keyClick(ui(form).textArea, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClicks(ui(form).textArea, QStringLiteral("c"));
        QCOMPARE(form.document().stepCount(), 3);

        QTest::keyClick(ui(form).textArea, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.lines(), QStringList({A, line48("// Bab")}));
        QTest::keyClick(ui(form).textArea, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.lines(), QStringList({A, "// Ba"}));
        QTest::keyClick(ui(form).textArea, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.lines(), QStringList({A, "// B"}));
        QVERIFY(!form.isModified());
        QTest::keyClick(ui(form).textArea, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.dialogs.beeps, 1);
        QTest::keyClick(ui(form).textArea, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(ui(form).textArea, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(ui(form).textArea, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.lines(), QStringList({"c" + A.mid(1), line48("// Bab")}));
        QVERIFY(form.isModified());
        VERIFY_DIALOGS(f); // no "Line length invalid!"
    }

    // While the list is shown the text ends with a break: a step made
    // before, in a text without one, does not take it away on Undo, and
    // Redo comes back to the text the list shows.
    void theListKeepsItsFinalBreakThroughUndo()
    {
        FormFixture f;
        MainWindow& form = f.form;
        form.document().reset({W, Y}, false);
        clickText(form, 0, 4);
        QTest::keyClick(ui(form).textArea, Qt::Key_Delete);
        QTest::keyClicks(ui(form).textArea, QStringLiteral("a"));
        QCOMPARE(form.document().line(0), QStringLiteral("// Wa") + QString(43, QLatin1Char(' ')));
        chooseVillager(form);
        ui(form).appendButton->click();
        QVERIFY(!form.document().endsWithBreak());
        ui(form).modeButton->click();
        const QString shown = form.document().text();
        QVERIFY(shown.endsWith(QLatin1String("\r\n")));
        for (QAction* step : {ui(form).undoAction, ui(form).undoAction, ui(form).redoAction}) {
            choose(step);
            QVERIFY2(form.document().endsWithBreak(), qPrintable(step->text()));
            QCOMPARE(ui(form).textArea->endsWithBreak(), true);
        }
        choose(ui(form).redoAction);
        QCOMPARE(form.document().text(), shown);
    }

    // The marker follows the history: back at what was saved it clears,
    // away from it it shows.
    void markerFollowsTheSavedState()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.ai"));
        FormFixture f;
        MainWindow& form = f.form;
        f.setLines({W, Y});
        form.show();
        clickText(form, 1, 4);
        QTest::keyClicks(ui(form).textArea, QStringLiteral("a"));
        f.dialogs.expectSave(path);
        choose(ui(form).saveAsAction);
        QVERIFY(!form.isModified());
        clickText(form, 0, 0);
        ui(form).modeButton->click();
        QTest::keyClick(ui(form).lineList, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(form.isModified());
        QStringList seen;
        for (QAction* step :
             {ui(form).undoAction, ui(form).undoAction, ui(form).redoAction, ui(form).redoAction}) {
            choose(step);
            seen << form.panel(MainWindow::Panel::Marker);
        }
        QCOMPARE(seen, QStringList({"", "*", "", "*"}));
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
