// Lines mode by mouse: drag a line to move it, drop it on the toilet to
// remove it.
#include "app/window/dragcontroller.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "editing/linerules.h"

#include <QItemSelectionModel>

void TForm1::ListBox1MouseDown(Qt::MouseButton button, const QPoint& pos)
{
    // The right button opens the rows' menu, which a drag must not follow.
    if (button == Qt::RightButton)
        return;
    dragFrom = ListBox1->itemIndex();
    drag_->beginDrag(ListBox1, ListBox1->viewport()->mapToGlobal(pos));
}

void TForm1::ListBox1DragOver(const QPoint& pos, bool&)
{
    if (ListBox1->dragCursor != Qt::DragMoveCursor)
        ListBox1->dragCursor = Qt::DragMoveCursor;
    dragTo = ListBox1->itemAtPos(pos);
    if (dragTo > ListBox1->count())
        dragTo = ListBox1->count();
}

void TForm1::ListBox1DragDrop(const QPoint&)
{
    moveLine(dragFrom, dragTo);
}

void TForm1::moveLine(int from, int to)
{
    const LineMove move = planLineMove(from, to, ListBox1->count());
    if (!move.moves)
        return;
    const BuildList::Change change(*document_, LineStep::Kind::MoveLine);
    document_->moveLine(from, move.landsAt);
    // The moved line is selected as if clicked, so Insert goes below it.
    selectRowAsClicked(move.landsAt);
}

void TForm1::Image1DragOver(const QPoint&, bool&)
{
    ListBox1->dragCursor = Qt::DragMoveCursor;
}

void TForm1::Image1DragDrop(const QPoint&)
{
    removeLine(dragFrom);
}

void TForm1::removeLine(int row)
{
    // The Refresh below may stop at a bad quantity once the line is gone:
    // the step is made either way.
    const BuildList::Change change(*document_, LineStep::Kind::RemoveLine);
    if (row >= 0 && row < document_->lineCount())
        document_->removeLines(LineStep::Kind::RemoveLine, row, 1);
    setInsertAt(insertAtAfterRemoval(insertAt_));
    // The line last selected is selected again by the program.
    ListBox1->setItemIndex(currentLine_);
    keepARowCurrent(row);
    cmdVillCountRefreshClick();
}

void TForm1::keepARowCurrent(int row)
{
    const int count = ListBox1->count();
    if (ListBox1->currentRow() >= 0 || count == 0)
        return;
    ListBox1->selectionModel()->setCurrentIndex(ListBox1->model()->index(qBound(0, row, count - 1), 0),
                                                QItemSelectionModel::NoUpdate);
}

void TForm1::FormDragOver(const QPoint&, bool&)
{
    ListBox1->dragCursor = Qt::ForbiddenCursor;
}

void TForm1::txtVillagersDragOver(const QPoint&, bool&)
{
    ListBox1->dragCursor = Qt::ForbiddenCursor;
}

void TForm1::cmdVillCountRefreshDragOver(const QPoint&, bool&)
{
    ListBox1->dragCursor = Qt::ForbiddenCursor;
}
