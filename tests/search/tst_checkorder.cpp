// The Check Order window: its rows, and a click that selects the line.
#include "app/mainwindow.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/ordercheck.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/openroad.h"
#include "files/window/filecommands.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"

#include "support/nowarnings.h"
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kArcher = QStringLiteral("U4        Archer               1      87        ");
const QString kArchery = QStringLiteral("B87       Archery              1      -1        ");
const QString kAgeTool = QStringLiteral("R101      R_Age_Tool           1      109       ");

QStringList rows(const CheckOrderWindow& window)
{
    QStringList texts;
    for (int i = 0; i < ui(window).problemList->count(); ++i)
        texts << ui(window).problemList->item(i)->text();
    return texts;
}

} // namespace

class TestCheckOrder : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // The window alone, on a build list of its own: which line (from 0) a
    // chosen problem names, what it marks while shown, and that closing it
    // clears the marks. The main window's part answers the signals.
    void checkOrderAlone_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("chosen");
        QTest::newRow("the first problem, Return") << 0 << int(Qt::Key_Return) << 1;
        QTest::newRow("the last problem, Space") << 1 << int(Qt::Key_Space) << 2;
        QTest::newRow("the last problem, keypad Enter") << 1 << int(Qt::Key_Enter) << 2;
    }
    void checkOrderAlone()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, chosen);
        PartFixture p({QString::fromLatin1(kStartingLine), kArcher, kArchery, kAgeTool, kArcher});
        CheckOrderWindow window(p.catalog, p.document, p.app, &p.window);
        QSignalSpy chosenLines(&window, &CheckOrderWindow::lineChosen);
        QSignalSpy marks(&window, &CheckOrderWindow::problemLinesMarked);
        window.checkAgain();
        // The first Archer stands before its Archery, the Archery before
        // the Age: lines 2 and 3, counted from 1.
        QCOMPARE(window.rowLines(), (QList<int>{2, 3}));
        window.show();
        QVERIFY(!marks.isEmpty());
        QCOMPARE(marks.last().at(0).value<QList<int>>(), (QList<int>{1, 2}));
        QCOMPARE(marks.last().at(1).toStringList().size(), 2);
        ui(window).problemList->setCurrentRow(row);
        QTest::keyClick(ui(window).problemList, Qt::Key(key));
        QCOMPARE(chosenLines.size(), 1);
        QCOMPARE(chosenLines.at(0).at(0).toInt(), chosen);
        QCOMPARE(p.document.lines().size(), 5); // Check Order changes no line
        window.hide();
        QCOMPARE(marks.last().at(0).value<QList<int>>(), QList<int>{});
        VERIFY_DIALOGS(p);
    }

    void menuOpensTheWindowWithItsRows()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery});
        QCOMPARE(ui(f.form).searchMenu->actions().last()->text(), QStringLiteral("Check Order..."));
        ui(f.form).checkOrderAction->trigger();
        const CheckOrderWindow& window = *windowOf(f);
        QCOMPARE(f.dialogs.modeless.last(), static_cast<const QWidget*>(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Check Order"));
        QCOMPARE(rows(window),
                 QStringList{"Line 3: Archer needs Archery, which comes later, at line 4: move it up"});
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    // A row is always current, where the user left it as far as the rows
    // allow, so that the keys and a screen reader have a problem to act
    // on and to name.
    void aProblemIsAlwaysCurrent()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kArcher, kArchery, kAgeTool, kArcher});
        ui(f.form).checkOrderAction->trigger();
        CheckOrderWindow& window = *windowOf(f);
        QCOMPARE(ui(window).problemList->currentRow(), 0);
        QVERIFY(window.rowLines().size() >= 2);
        ui(window).problemList->setCurrentRow(int(window.rowLines().size()) - 1);
        // One problem fewer: the last row stays current.
        f.setLines({QString::fromLatin1(kStartingLine), kArchery, kArcher});
        window.checkAgain();
        QCOMPARE(ui(window).problemList->currentRow(), ui(window).problemList->count() - 1);
    }

    // The count is in the list's name, which a screen reader says; the
    // all-clear is no row, so it cannot sound like one problem.
    void theCountIsInTheListsName()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery});
        ui(f.form).checkOrderAction->trigger();
        CheckOrderWindow& window = *windowOf(f);
        QCOMPARE(rows(window).size(), 1);
        QCOMPARE(ui(window).problemList->accessibleName(), QStringLiteral("Problems: 1"));
        QCOMPARE(ui(window).summaryLabel->text(), QStringLiteral("1 problem"));
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArchery, kArcher});
        window.checkAgain();
        QCOMPARE(rows(window).size(), 0);
        QCOMPARE(ui(window).problemList->accessibleName(), QStringLiteral("Problems: none"));
        QCOMPARE(ui(window).summaryLabel->text(),
                 QStringLiteral("Every line stands where the picker would offer it."));
        QSignalSpy chosen(&window, &CheckOrderWindow::lineChosen);
        QTest::keyClick(ui(window).problemList, Qt::Key_Return); // nothing to choose
        QCOMPARE(chosen.count(), 0);
    }

    // In Lines mode the list is the build list, and Check reads it anew.
    void checkReadsTheLiveList()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArchery, kArcher});
        ui(f.form).modeButton->click();
        choose(ui(f.form).checkOrderAction);
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{});
        clickRow(ui(f.form).lineList, 3);
        QTest::keyClick(ui(f.form).lineList, Qt::Key_Up, Qt::AltModifier);
        QTest::mouseClick(ui(*windowOf(f)).checkButton, Qt::LeftButton);
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{3});
        // Shown again from the menu, it checks again.
        clickRow(ui(f.form).lineList, 2);
        QTest::keyClick(ui(f.form).lineList, Qt::Key_Down, Qt::AltModifier);
        choose(ui(f.form).checkOrderAction);
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{});
    }

    // A click on a problem selects its line as a click in the list would,
    // and changes nothing else.
    void clickSelectsTheLine()
    {
        FormFixture f;
        const QStringList lines{QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery};
        f.setLines(lines);
        choose(ui(f.form).checkOrderAction);
        CheckOrderWindow& window = *windowOf(f);
        ui(window).problemList->setCurrentRow(0);
        window.selectProblemLine();
        QVERIFY(ui(f.form).modes->linesMode());
        QCOMPARE(ui(f.form).lineList->itemIndex(), 2);
        QCOMPARE(f.form.document().position().insertAt, 3);
        QCOMPARE(f.form.document().position().line, 2);
        QCOMPARE(f.listItems(), lines);
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    // While the window is shown its rows follow the list, once a burst of
    // changes is over; a click on a row a change made stale only brings
    // the rows up to date, and never selects another line.
    void rowsFollowTheList()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery});
        ui(f.form).modeButton->click();
        CheckOrderWindow& window = shown(f);
        QCOMPARE(window.rowLines(), QList<int>{3});
        clickRow(ui(f.form).lineList, 1);
        ui(f.form).picker->appendItem(); // Insert below line 2: the Archer is line 4 now
        QVERIFY(window.checkPending());
        ui(window).problemList->setCurrentRow(0);
        window.selectProblemLine();
        QCOMPARE(ui(f.form).lineList->itemIndex(), 1); // not the Villager that is line 3 now
        QCOMPARE(window.rowLines(), QList<int>{4});
        ui(f.form).picker->appendItem();
        QTRY_COMPARE(window.rowLines(), QList<int>{5});
        QTest::qWait(400); // its own tints are no change: it settles
        QVERIFY(!window.checkPending());
        ui(window).problemList->setCurrentRow(0);
        QTest::keyClick(ui(window).problemList, Qt::Key_Return);
        QCOMPARE(ui(f.form).lineList->itemIndex(), 4);
        QCOMPARE(ui(f.form).lineList->item(4), kArcher);
        // New, as Open, puts another list in: its rows follow.
        f.dialogs.expectMessage(MsgResult::Yes); // the unsaved-work question
        ui(f.form).files->newList();
        QTRY_COMPARE(window.rowLines(), QList<int>{});
    }

    // A change that leaves the problems on the same lines but changes what
    // they say is shown: the Archery moved up a line, still below.
    void rowsFollowAChangedMessage()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, line48(QStringLiteral("// note")),
                    kArchery});
        ui(f.form).modeButton->click();
        CheckOrderWindow& window = shown(f);
        QCOMPARE(window.rowLines(), QList<int>{3});
        QVERIFY(rows(window).at(0).contains(QStringLiteral("at line 5")));
        clickRow(ui(f.form).lineList, 4);
        QTest::keyClick(ui(f.form).lineList, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(ui(f.form).lineList->item(3), kArchery);
        QTRY_VERIFY(rows(window).at(0).contains(QStringLiteral("at line 4")));
        QCOMPARE(window.rowLines(), QList<int>{3});
    }

    // A number typed over another item's number, its old name left beside
    // it: the window reads the line by its number, as --check and Open do.
    void readsALineByItsNumberAsTheCommandLineDoes()
    {
        auto item = [](const QString& start, const QString& name, const QString& building) {
            return (start.leftJustified(kNameColumn) + name).leftJustified(kQuantityColumn) + "1      "
                   + building;
        };
        const QStringList lines{
            QString::fromLatin1(kStartingLine), item("U73", "Inf_ClubAxe_Man", "12").leftJustified(48),
            item("B87", "Barracks", "-1").leftJustified(48)}; // B12 typed over: an Archery
        FormFixture f;
        f.setLines(lines);
        CheckOrderWindow& window = shown(f);
        const OpenedText opened = prepareOpenedText(lines.join("\r\n"), f.form.catalog());
        QStringList expected;
        for (const OrderProblem& problem : checkOrder(f.form.catalog(), opened.lines))
            expected << QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message);
        QVERIFY(expected.join(' ').contains(QStringLiteral("nowhere")));
        QCOMPARE(rows(window), expected);
    }

    // While shown, the lines with a problem are tinted and say it; closed,
    // by Escape, nothing is marked.
    // A choice hands the keyboard to the main window, which asks for it
    // once more when a click has settled; not when the user has gone on to
    // another window meanwhile.
    void theKeyboardStaysWhereTheUserWentNext()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery});
        CheckOrderWindow& window = shown(f);
        QTest::keyClick(ui(window).problemList, Qt::Key_Return);
        f.form2.show();
        f.form2.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.form2));
        QTest::qWait(400); // past the settling of a click
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f.form2));
    }

    void problemLinesAreMarkedWhileShown()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery});
        ui(f.form).modeButton->click();
        CheckOrderWindow& window = shown(f);
        const QString problem =
            QStringLiteral("Archer needs Archery, which comes later, at line 4: move it up");
        QCOMPARE(ui(f.form).lineList->noteOfRow(2), problem);
        QCOMPARE(ui(f.form).lineList->noteOfRow(1), QString());
        QCOMPARE(ui(f.form).textArea->noteOfLine(2), problem);
        QCOMPARE(ui(f.form).textArea->noteOfLine(3), QString());
        QTest::keyClick(ui(window).problemList, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(ui(f.form).lineList->noteOfRow(2), QString());
        QCOMPARE(ui(f.form).textArea->noteOfLine(2), QString());
    }

private:
    static CheckOrderWindow* windowOf(FormFixture& f) { return f.windows.checkOrderWindow.get(); }
    // The window as the menu opens it, shown for real.
    static CheckOrderWindow& shown(FormFixture& f)
    {
        f.form.show();
        choose(ui(f.form).checkOrderAction);
        CheckOrderWindow& window = *windowOf(f);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the Check Order window did not become active");
        return window;
    }
};

QTEST_MAIN(TestCheckOrder)
#include "tst_checkorder.moc"
