#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
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
        ui(f.form).modeButton->click();
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
    void drag(int row, const QPoint& to) { drag(rowCenter(row), to); }
    void drag(const QPoint& from, const QPoint& to)
    {
        QWidget* vp = list->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        const int steps = 4;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(vp, from + (to - from) * i / steps);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    }

    // Where a drop lands before `row`: the list's border for -1, below the
    // last row for the count. In the viewport's coordinates.
    QPoint dropPointFor(int row) const
    {
        if (row < 0)
            return list->viewport()->mapFrom(list, QPoint(0, 0));
        return row >= list->count() ? belowLastRow() : rowCenter(row);
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
        QTest::newRow("W onto Z") << 0 << 3 << QStringList{X, Y, W, Z};
        QTest::newRow("W below the last") << 0 << 4 << QStringList{X, Y, Z, W};
        QTest::newRow("X onto the border") << 1 << -2 << QStringList{W, X, Y, Z};
    }
    void moves()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, result);
        {
            Lines l;
            l.drag(from, l.dropPointFor(to == -1 ? 4 : to == -2 ? -1 : to));
            QCOMPARE(l.f.listItems(), result);
            // The moved line is shown selected.
            const QStringList original{W, X, Y, Z};
            QCOMPARE(l.list->item(l.list->itemIndex()), original.at(from));
            // The text area shows the same order; a new order is unsaved
            // work, and the moved row is where Insert goes.
            QCOMPARE(l.f.lines(), result);
            QCOMPARE(l.f.form.isModified(), result != original);
            const int moved = l.list->itemIndex();
            QCOMPARE(l.f.form.document().position().line, moved);
            QCOMPARE(l.f.form.document().position().insertAt, moved + 1);
            QCOMPARE(l.f.form.document().position().findFrom, moved);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
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
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at + QPoint(3, 3));
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        QCOMPARE(l.list->itemIndex(), 2);
        QCOMPARE(l.f.form.document().position().insertAt, 3);
        // Released, the line is no longer held: a move drags nothing.
        QTest::mouseMove(vp, l.rowCenter(0));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void fivePixelsStartTheDrag()
    {
        Lines l;
        QWidget* vp = l.list->viewport();
        const QPoint at = l.rowCenter(0);
        QTest::mousePress(vp, Qt::LeftButton, {}, at);
        QTest::mouseMove(vp, at + QPoint(0, 4));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QTest::mouseMove(vp, at + QPoint(0, 5));
        QVERIFY(QApplication::overrideCursor());
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
            clickRow(l.list, 3);
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
        QCOMPARE(l.f.form.document().position().insertAt, 1);
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

    // A press below the last row takes no line: a drop on the toilet
    // removes nothing, though the insertion point and the tally follow as
    // after any removal.
    void toiletWithNothingTakenDeletesNothing()
    {
        Lines l;
        ui(l.f.form).picker->setVillagerCount(7);
        l.f.form.document().selectLine(-1);
        l.drag(l.belowLastRow(), l.over(ui(l.f.form).toilet));
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        QCOMPARE(l.f.form.document().position().insertAt, 0);
        QCOMPARE(ui(l.f.form).picker->villagerCount(), 5); // recounted
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
        QTest::mouseRelease(vp, Qt::LeftButton, {}, l.rowCenter(2));
        QCOMPARE(l.f.listItems(), (QStringList{X, W, Y, Z}));
    }

    void dropWithNothingTakenChangesNothing()
    {
        Lines l;
        l.f.form.document().selectLine(-1);
        l.drag(l.belowLastRow(), l.rowCenter(2));
        QCOMPARE(l.f.listItems(), (QStringList{W, X, Y, Z}));
        QVERIFY(!l.f.form.isModified());
        VERIFY_DIALOGS(l.f);
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
