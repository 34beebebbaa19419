// Lines mode by mouse: drag a line to move it, drop it on the toilet to
// remove it.
#include "buildlist/window/itempicker.h"
#include "editing/linerules.h"
#include "editing/window/dragcontroller.h"
#include "editing/window/lineeditor.h"
#include "widgets/buildlistview.h"

#include <QItemSelectionModel>

void LineEditor::startLineDrag(Qt::MouseButton button, const QPoint& pos)
{
    // The right button opens the rows' menu, which a drag must not follow.
    if (button == Qt::RightButton)
        return;
    takeRowForDrag();
    drag_->beginDrag(lineList, lineList->viewport()->mapToGlobal(pos));
}

void LineEditor::takeRowForDrag()
{
    dragFrom_ = lineList->itemIndex();
}

void LineEditor::dragOverList(const QPoint& pos, bool&)
{
    if (lineList->dragCursor != Qt::DragMoveCursor)
        lineList->dragCursor = Qt::DragMoveCursor;
    dragTo_ = lineList->itemAtPos(pos);
    if (dragTo_ > lineList->count())
        dragTo_ = lineList->count();
}

void LineEditor::dropOnList(const QPoint&)
{
    moveLine(dragFrom_, dragTo_);
}

void LineEditor::moveLine(int from, int to)
{
    const LineMove move = planLineMove(from, to, lineList->count());
    if (!move.moves)
        return;
    const BuildList::Change change(document_, LineStep::Kind::MoveLine);
    document_.moveLine(from, move.landsAt);
    // The moved line is selected as if clicked, so Insert goes below it.
    selectRowAsClicked(move.landsAt);
}

void LineEditor::dragOverToilet(const QPoint&, bool&)
{
    lineList->dragCursor = Qt::DragMoveCursor;
}

void LineEditor::dropOnToilet(const QPoint&)
{
    removeLine(dragFrom_);
}

void LineEditor::removeLine(int row)
{
    // The Refresh below may stop at a bad quantity once the line is gone:
    // the step is made either way.
    const BuildList::Change change(document_, LineStep::Kind::RemoveLine);
    if (row >= 0 && row < document_.lineCount())
        document_.removeLines(LineStep::Kind::RemoveLine, row, 1);
    setInsertAt(insertAtAfterRemoval(insertAt_));
    // The line last selected is selected again by the program.
    lineList->setItemIndex(currentLine_);
    keepARowCurrent(row);
    picker_->recountVillagers();
}

void LineEditor::keepARowCurrent(int row)
{
    const int count = lineList->count();
    if (lineList->currentRow() >= 0 || count == 0)
        return;
    lineList->selectionModel()->setCurrentIndex(lineList->model()->index(qBound(0, row, count - 1), 0),
                                                QItemSelectionModel::NoUpdate);
}

void LineEditor::dragOverWindow(const QPoint&, bool&)
{
    lineList->dragCursor = Qt::ForbiddenCursor;
}
