// Lines mode without dragging: Alt+Up and Alt+Down move the selected line,
// and the rows' context menu moves or removes it. Each takes the road a
// drag takes, so the effects are the drag's own.
#include "app/application.h"
#include "app/tform1.h"
#include "app/tlistbox.h"
#include "editing/linemoves.h"

#include <QMenu>

LineMoveTargets lineMoveTargets(int selected, int count)
{
    // A drop lands before the row it is dropped on: one row up is the row
    // above, one row down is the row below the next one (or the end).
    LineMoveTargets targets;
    if (selected < 0 || selected >= count)
        return targets;
    targets.removable = true;
    if (selected > 0)
        targets.up = selected - 1;
    if (selected + 1 < count)
        targets.down = selected + 2;
    return targets;
}

void TForm1::moveSelectedLine(int rows)
{
    const LineMoveTargets targets = lineMoveTargets(ListBox1->itemIndex(), ListBox1->count());
    const int to = rows < 0 ? targets.up : targets.down;
    if (!linesMode || to < 0)
        return;
    dragFrom = ListBox1->itemIndex();
    dragTo = to;
    ListBox1DragDrop(QPoint());
}

void TForm1::removeSelectedLine()
{
    if (!linesMode || !lineMoveTargets(ListBox1->itemIndex(), ListBox1->count()).removable)
        return;
    dragFrom = ListBox1->itemIndex();
    Image1DragDrop(QPoint());
}

void TForm1::ListBox1ContextMenu(const QPoint& globalPos)
{
    const LineMoveTargets targets = lineMoveTargets(ListBox1->itemIndex(), ListBox1->count());
    if (!targets.removable)
        return;
    // One menu, made again each time with what applies to the selected row;
    // it pops up and returns at once, its items run through the guard.
    delete ListBox1->findChild<QMenu*>(QStringLiteral("lineMenu"));
    auto* menu = new QMenu(ListBox1);
    menu->setObjectName(QStringLiteral("lineMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Move Up"), app_.guarded(this, &TForm1::moveSelectedLineUp))
        ->setEnabled(targets.up >= 0);
    menu->addAction(QStringLiteral("Move Down"), app_.guarded(this, &TForm1::moveSelectedLineDown))
        ->setEnabled(targets.down >= 0);
    menu->addAction(QStringLiteral("Remove"), app_.guarded(this, &TForm1::removeSelectedLine));
    menu->popup(globalPos);
}
