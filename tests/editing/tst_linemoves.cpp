// Lines mode without dragging: Alt+Up/Down and the rows' context menu do
// what the matching drag does.
#include "app/mainwindow.h"
#include "app/statuspanels.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/updownarrows.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "support/nowarnings.h"
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString W = line48("// W");
const QString X = QStringLiteral("U83       Villager             3      109       ");
const QString Y = line48("// Y");
const QString Z = QStringLiteral("U83       Villager             2      109       ");

// The window in Lines mode over W X Y Z, one row selected by a click.
struct LinesWindow {
    FormFixture f;
    explicit LinesWindow(int selected)
    {
        f.setLines({W, X, Y, Z});
        f.form.show();
        ui(f.form).modeButton->click();
        clickRow(ui(f.form).lineList, selected);
    }
    // The state a move or removal leaves behind.
    QStringList state() const { return windowState(f.form); }
};

} // namespace

class TestLineMoves : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Each way without dragging leaves exactly what the drag leaves.
    // Whatever selected the row before: a click, or the program (Find, the
    // Check Order jump) after a click elsewhere.
    void sameAsTheDrag_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("dropOn"); // the row dropped on; -1 the toilet
        QTest::addColumn<bool>("byProgram");
        for (int row : {1, 3}) {
            QTest::addRow("Remove after Find on %d", row) << row << "Remove" << -1 << true;
            QTest::addRow("Alt+Up after Find on %d", row) << row << "alt+up" << row - 1 << true;
        }
        for (int row : {0, 1, 2}) {
            QTest::addRow("Alt+Down on %d", row) << row << "alt+down" << row + 2 << false;
            QTest::addRow("menu Move Down on %d", row) << row << "Move Down" << row + 2 << false;
        }
        for (int row : {1, 3}) {
            QTest::addRow("Alt+Up on %d", row) << row << "alt+up" << row - 1 << false;
            QTest::addRow("menu Move Up on %d", row) << row << "Move Up" << row - 1 << false;
        }
        for (int row : {1, 3})
            QTest::addRow("menu Remove on %d", row) << row << "Remove" << -1 << false;
    }
    void sameAsTheDrag()
    {
        QFETCH(int, row);
        QFETCH(QString, way);
        QFETCH(int, dropOn);
        LinesWindow byDrag(row);
        {
            BuildListView* list = ui(byDrag.f.form).lineList;
            QWidget* vp = list->viewport();
            QLabel* toilet = ui(byDrag.f.form).toilet;
            const QPoint from = list->visualItemRect(list->QListWidget::item(row)).center();
            const QPoint over = dropOn < 0 ? vp->mapFromGlobal(toilet->mapToGlobal(toilet->rect().center()))
                                : dropOn >= list->count()
                                    ? QPoint(20, vp->height() - 5)
                                    : list->visualItemRect(list->QListWidget::item(dropOn)).center();
            QTest::mousePress(vp, Qt::LeftButton, {}, from);
            QTest::mouseMove(vp, from + (over - from) / 2);
            QTest::mouseMove(vp, over);
            QTest::mouseRelease(vp, Qt::LeftButton, {}, over);
        }

        QFETCH(bool, byProgram);
        LinesWindow byHand(byProgram ? 0 : row);
        BuildListView* list = ui(byHand.f.form).lineList;
        if (byProgram)
            list->setItemIndex(row);
        if (way.startsWith("alt+")) {
            QTest::keyClick(list, way == "alt+up" ? Qt::Key_Up : Qt::Key_Down, Qt::AltModifier);
        } else {
            QMenu* menu = openLineMenu(list);
            QVERIFY(menu);
            QAction* chosen = nullptr;
            for (QAction* a : menu->actions())
                if (caption(a) == way)
                    chosen = a;
            QVERIFY(chosen && chosen->isEnabled());
            chosen->trigger();
            menu->close();
        }
        QCOMPARE(byHand.state(), byDrag.state());
        VERIFY_DIALOGS(byHand.f);
    }

    // Switching modes hands the focus straight to the control shown.
    void modeSwitchFocusesTheShownControl()
    {
        LinesWindow w(1);
        QVERIFY(QTest::qWaitForWindowActive(&w.f.form));
        QList<QWidget*> focused;
        const auto connection =
            connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) { focused << now; });
        ui(w.f.form).modeButton->click();
        ui(w.f.form).modeButton->click();
        disconnect(connection);
        QCOMPARE(focused, (QList<QWidget*>{ui(w.f.form).textArea, ui(w.f.form).lineList}));
    }

    // The Menu key on a row scrolled out of view brings it back first.
    void menuKeyShowsItsRow()
    {
        FormFixture f;
        f.setLines(QStringList(200, X));
        f.form.show();
        ui(f.form).modeButton->click();
        BuildListView* list = ui(f.form).lineList;
        list->setItemIndex(150);
        QCoreApplication::processEvents();
        list->scrollToTop();
        QTest::keyClick(list, Qt::Key_Menu);
        QMenu* menu = list->findChild<QMenu*>(QStringLiteral("lineMenu"));
        QVERIFY(menu);
        const QRect shown(list->viewport()->mapToGlobal(QPoint()), list->viewport()->size());
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(150, 0)).center()));
        QVERIFY(shown.adjusted(0, 0, 0, 1).contains(menu->pos()));
        menu->close();
    }

    // An item's caption without its access letter and shown keys.
    static QString caption(const QAction* a)
    {
        return a->text().remove(QLatin1Char('&')).section('\t', 0, 0);
    }

    void menuOffersOnlyWhatApplies()
    {
        for (int row : {0, 3}) {
            LinesWindow w(row);
            QMenu* menu = openLineMenu(ui(w.f.form).lineList);
            QVERIFY(menu);
            QStringList enabled;
            for (QAction* a : menu->actions())
                if (a->isEnabled())
                    enabled << a->text() + '|' + a->shortcut().toString();
            // The keys are the items' shortcuts, not words of their names.
            QCOMPARE(enabled, row == 0 ? QStringList({"Move &Down|Alt+Down", "&Remove|"})
                                       : QStringList({"Move &Up|Alt+Up", "&Remove|"}));
            // Named, and opened on its first item that can be chosen.
            QCOMPARE(menu->accessibleName(), QStringLiteral("Line"));
            QCOMPARE(menu->activeAction() ? menu->activeAction()->text() : QString(),
                     enabled.first().section('|', 0, 0));
            menu->close();
        }
    }

    // Removing a row, the last one included, leaves the keyboard in the
    // list, on the row that takes its place.
    void removalKeepsTheFocusInTheList_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("the first row") << 0;
        QTest::newRow("a middle row") << 1;
        QTest::newRow("the last row") << 3;
    }
    void removalKeepsTheFocusInTheList()
    {
        QFETCH(int, row);
        LinesWindow w(row);
        QVERIFY(QTest::qWaitForWindowActive(&w.f.form));
        ui(w.f.form).lineList->setFocus();
        chooseFromLineMenu(ui(w.f.form).lineList, "Remove");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w.f.form).lineList));
        QCOMPARE(ui(w.f.form).lineList->currentRow(), qMin(row, 2)); // the row in its place
        // Undo and Redo of the removal keep a row current too.
        ui(w.f.form).undoAction->trigger();
        QVERIFY(ui(w.f.form).lineList->currentRow() >= 0);
        ui(w.f.form).redoAction->trigger();
        QCOMPARE(ui(w.f.form).lineList->currentRow(), qMin(row, 2));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w.f.form).lineList));
    }

    // Alt+Up in Normal mode, or with no row, changes nothing.
    void movesOnlyInLinesModeWithARow()
    {
        LinesWindow w(1);
        ui(w.f.form).lineList->setItemIndex(-1);
        const QStringList before = w.state();
        QTest::keyClick(ui(w.f.form).lineList, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(ui(w.f.form).lineList, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(!openLineMenu(ui(w.f.form).lineList));
        QCOMPARE(w.state(), before);
    }

    // Only Alt alone with Up or Down moves a row.
    void otherModifiersMoveNothing()
    {
        LinesWindow w(1);
        const QStringList before = w.f.listItems();
        for (Qt::KeyboardModifiers extra : {Qt::ShiftModifier, Qt::ControlModifier})
            for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down})
                QTest::keyClick(ui(w.f.form).lineList, key, Qt::AltModifier | extra);
        QCOMPARE(w.f.listItems(), before);
        QVERIFY(!w.f.form.isModified());
    }
};

QTEST_MAIN(TestLineMoves)
#include "tst_linemoves.moc"
