#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/dragcontroller.h"
#include "editing/window/lineeditor.h"
#include "search/window/findcommand.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/textbox.h"

#include "support/nowarnings.h"
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// W, X, Y, Z: X is a villager line so that the tally follows a removal.
const QString W = line48("// W");
const QString X = QStringLiteral("U83       Villager             3      109       ");
const QString Y = line48("// Y");
const QString Z = QStringLiteral("U83       Villager             2      109       ");

struct Lines {
    FormFixture f;
    BuildListView* list;
    Lines() : list(nullptr)
    {
        f.setLines({W, X, Y, Z});
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        ui(f.form).editor->switchMode();
        list = ui(f.form).lineList;
        ui(f.form).picker->setVillagerCount(5);
    }

    QPoint rowCenter(int row) const { return list->visualItemRect(list->QListWidget::item(row)).center(); }
    QPoint belowLastRow() const { return QPoint(20, list->viewport()->height() - 5); }
    // A point over another control, in the list's viewport coordinates:
    // the viewport has the mouse while the button is held.
    QPoint over(QWidget* w) const
    {
        return list->viewport()->mapFrom(&f.form, w->mapTo(&f.form, w->rect().center()));
    }

    // A real press, a movement in steps and a release.
    void drag(int row, const QPoint& to)
    {
        QWidget* vp = list->viewport();
        const QPoint from = rowCenter(row);
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        const int steps = 4;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(vp, from + (to - from) * i / steps);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    }

    // Where a hover over the list makes a drop land before `row`: -1 over
    // the border, the count below the last row. In the list's coordinates.
    QPoint hoverFor(int row) const
    {
        if (row < 0)
            return QPoint(0, 0);
        return list->viewport()->mapTo(list, row >= list->count() ? belowLastRow() : rowCenter(row));
    }

    // Handlers called directly, as the toolkit would call them.
    void dropDirect(int row, int target)
    {
        list->setItemIndex(row);
        LineEditor* editor = ui(f.form).editor;
        editor->rowClicked();
        editor->takeRowForDrag();
        bool accept = true;
        editor->dragOverList(hoverFor(target), accept);
        QCOMPARE(editor->dragTo(), target);
        editor->dropOnList(QPoint());
    }
};

} // namespace

class TestDragDrop : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void moves_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // -1: below the last line
        QTest::addColumn<QStringList>("result");
        QTest::newRow("W onto Y") << 0 << 2 << QStringList{X, W, Y, Z};
        QTest::newRow("Z onto X") << 3 << 1 << QStringList{W, Z, X, Y};
        QTest::newRow("X below the last") << 1 << -1 << QStringList{W, Y, Z, X};
        QTest::newRow("X onto X") << 1 << 1 << QStringList{W, X, Y, Z};
        QTest::newRow("X onto Y") << 1 << 2 << QStringList{W, X, Y, Z};
    }
    void moves()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, result);
        {
            Lines l;
            l.dropDirect(from, to < 0 ? 4 : to);
            QCOMPARE(l.f.listItems(), result);
            const QStringList original{W, X, Y, Z};
            QCOMPARE(l.list->item(l.list->itemIndex()), original.at(from));
        }
        {
            Lines l;
            l.drag(from, to < 0 ? l.belowLastRow() : l.rowCenter(to));
            QCOMPARE(l.f.listItems(), result);
            // The moved line is shown selected.
            const QStringList original{W, X, Y, Z};
            QCOMPARE(l.list->item(l.list->itemIndex()), original.at(from));
            // The text area shows the same order; a new order is unsaved
            // work, and the moved row is where Insert goes.
            QCOMPARE(l.f.lines(), result);
            QCOMPARE(l.f.form.isModified(), result != original);
            const int moved = l.list->itemIndex();
            QCOMPARE(ui(l.f.form).editor->currentLine(), moved);
            QCOMPARE(ui(l.f.form).editor->insertAt(), moved + 1);
            QCOMPARE(ui(l.f.form).find->findFrom(), moved);
            QVERIFY(!ui(l.f.form).editor->dragController()->pending());
            VERIFY_DIALOGS(l.f);
        }
    }

    void pressAndReleaseIsAClick()
    {
        Lines l;
        QWidget* vp = l.list->viewport();
        const QPoint at = l.rowCenter(2);
        QTest::mousePress(vp, Qt::LeftButton, {}, at);
        QTest::mouseMove(vp, at + QPoint(3, 3)); // under 5 pixels
        QVERIFY(ui(l.f.form).editor->dragController()->pending());
        QVERIFY(!ui(l.f.form).editor->dragController()->active());
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at + QPoint(3, 3));
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        QCOMPARE(l.list->itemIndex(), 2);
        QCOMPARE(ui(l.f.form).editor->insertAt(), 3);
        QVERIFY(!ui(l.f.form).editor->dragController()->pending());
    }

    void fivePixelsStartTheDrag()
    {
        Lines l;
        QWidget* vp = l.list->viewport();
        const QPoint at = l.rowCenter(0);
        QTest::mousePress(vp, Qt::LeftButton, {}, at);
        QTest::mouseMove(vp, at + QPoint(0, 4));
        QVERIFY(!ui(l.f.form).editor->dragController()->active());
        QTest::mouseMove(vp, at + QPoint(0, 5));
        QVERIFY(ui(l.f.form).editor->dragController()->active());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at + QPoint(0, 5));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A key pressed while a line is held changes nothing: the drop moves
    // the line picked up, as the same drag without the key does.
    void keysDuringADragChangeNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+y") << int(Qt::Key_Y) << int(Qt::ControlModifier);
        QTest::newRow("alt+down") << int(Qt::Key_Down) << int(Qt::AltModifier);
        QTest::newRow("alt+up") << int(Qt::Key_Up) << int(Qt::AltModifier);
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0;
        QTest::newRow("no key") << 0 << 0;
    }
    void keysDuringADragChangeNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto session = [&](int pressed) {
            Lines l;
            // Something to undo, and something to redo.
            l.list->setItemIndex(3);
            ui(l.f.form).editor->rowClicked();
            QTest::keyClick(l.list, Qt::Key_Up, Qt::AltModifier);
            QTest::keyClick(l.list, Qt::Key_Up, Qt::AltModifier);
            ui(l.f.form).undoAction->trigger();
            QWidget* vp = l.list->viewport();
            const QPoint from = l.rowCenter(1);
            const QPoint to = l.rowCenter(3);
            QTest::mousePress(vp, Qt::LeftButton, {}, from);
            QTest::mouseMove(vp, from + (to - from) / 2);
            QTest::mouseMove(vp, to);
            if (pressed)
                QTest::keyClick(l.list, Qt::Key(pressed), Qt::KeyboardModifiers(modifiers));
            QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
            return l.f.listItems();
        };
        const QStringList withoutKey = session(0);
        QCOMPARE(session(key), withoutKey);
        QVERIFY(withoutKey.indexOf(X) != 1); // the drag did move the line held
    }

    void toiletRemovesTheLine()
    {
        Lines l;
        l.drag(1, l.over(ui(l.f.form).toilet));
        QCOMPARE(l.f.listItems(), (QStringList{W, Y, Z}));
        QCOMPARE(l.list->itemIndex(), 1);
        QCOMPARE(ui(l.f.form).editor->insertAt(), 1);
        QCOMPARE(l.f.lines(), (QStringList{W, Y, Z}));
        QCOMPARE(ui(l.f.form).picker->villagerCount(), 2);
        QCOMPARE(ui(l.f.form).villagerBox->text(), QStringLiteral("2"));
        QVERIFY(l.f.form.isModified());
        VERIFY_DIALOGS(l.f);
    }

    void toiletTakesTheLastLine()
    {
        Lines l;
        l.drag(3, l.over(ui(l.f.form).toilet));
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y}));
        QCOMPARE(l.list->itemIndex(), -1);
        QCOMPARE(ui(l.f.form).picker->villagerCount(), 3);
    }

    void toiletWithoutAnInsertionPoint_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("-1") << -1;
        QTest::newRow("0") << 0;
    }
    void toiletWithoutAnInsertionPoint()
    {
        QFETCH(int, before);
        Lines l;
        l.list->setItemIndex(2);
        ui(l.f.form).editor->takeRowForDrag();
        ui(l.f.form).editor->setCurrentLine(2);
        ui(l.f.form).editor->setInsertAt(before);
        ui(l.f.form).editor->dropOnToilet(QPoint());
        QCOMPARE(ui(l.f.form).editor->insertAt(), 0);
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Z}));
    }

    void toiletWithNothingTakenDeletesNothing()
    {
        Lines l;
        l.list->setItemIndex(-1);
        ui(l.f.form).editor->takeRowForDrag();
        ui(l.f.form).editor->setCurrentLine(-1);
        ui(l.f.form).editor->setInsertAt(2);
        ui(l.f.form).editor->dropOnToilet(QPoint());
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        QCOMPARE(ui(l.f.form).editor->insertAt(), 1);
        QCOMPARE(ui(l.f.form).picker->villagerCount(), 5); // the Refresh still ran
    }

    void releaseElsewhereChangesNothing_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("villager box") << "villagers";
        QTest::newRow("refresh") << "refresh";
        QTest::newRow("label") << "label";
        QTest::newRow("background") << "background";
        QTest::newRow("button") << "button";
    }
    void releaseElsewhereChangesNothing()
    {
        QFETCH(QString, where);
        Lines l;
        MainWindow& form = l.f.form;
        QPoint target;
        if (where == "villagers")
            target = l.over(ui(form).villagerBox);
        if (where == "refresh")
            target = l.over(ui(form).refreshVillagersButton);
        if (where == "label")
            target = l.over(ui(form).villagersLabel);
        if (where == "button")
            target = l.over(ui(form).appendButton);
        if (where == "background")
            target = l.list->viewport()->mapFrom(&form, form.centralWidget()->mapTo(&form, QPoint(330, 360)));
        QWidget* vp = l.list->viewport();
        const QPoint from = l.rowCenter(1);
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        QTest::mouseMove(vp, from + QPoint(0, 10));
        QTest::mouseMove(vp, target);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, target);
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        QCOMPARE(l.f.lines(), (QStringList{W, X, Y, Z}));
        QVERIFY(!l.f.form.isModified());
        VERIFY_DIALOGS(l.f);
    }

    void cursorOverTheListAndTheToilet()
    {
        Lines l;
        QWidget* vp = l.list->viewport();
        const QPoint from = l.rowCenter(0);
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        QTest::mouseMove(vp, l.over(ui(l.f.form).villagerBox));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        QTest::mouseMove(vp, l.over(ui(l.f.form).toilet));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
        QTest::mouseMove(vp, l.rowCenter(2));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
        QCOMPARE(ui(l.f.form).editor->dragTo(), 2);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, l.rowCenter(2));
    }

    void dropOnTheBorderChangesNothing()
    {
        Lines l;
        l.dropDirect(1, -1);
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
    }

    void dropWithNothingTakenChangesNothing()
    {
        Lines l;
        l.list->setItemIndex(-1);
        ui(l.f.form).editor->takeRowForDrag();
        bool accept = true;
        ui(l.f.form).editor->dragOverList(l.hoverFor(2), accept);
        ui(l.f.form).editor->dropOnList(QPoint());
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        VERIFY_DIALOGS(l.f);
    }

    void hoverComputesTheDropPosition()
    {
        Lines l;
        bool accept = true;
        const QPoint inList = l.list->viewport()->mapTo(l.list, l.rowCenter(3));
        ui(l.f.form).editor->dragOverList(inList, accept);
        QCOMPARE(ui(l.f.form).editor->dragTo(), 3);
        ui(l.f.form).editor->dragOverList(l.list->viewport()->mapTo(l.list, l.belowLastRow()), accept);
        QCOMPARE(ui(l.f.form).editor->dragTo(), 4);
        ui(l.f.form).editor->dragOverList(QPoint(0, 0), accept);
        QCOMPARE(ui(l.f.form).editor->dragTo(), -1);
        QVERIFY(accept);
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
