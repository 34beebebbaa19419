// Lines mode by mouse: drag a line to move it, drop it on the toilet to
// remove it.
#include "app/window/buildlistview.h"
#include "app/window/dragcontroller.h"
#include "app/window/mainwindow.h"
#include "buildlist/window/itempicker.h"
#include "editing/linerules.h"

#include <QItemSelectionModel>

void MainWindow::startLineDrag(Qt::MouseButton button, const QPoint& pos)
{
    // The right button opens the rows' menu, which a drag must not follow.
    if (button == Qt::RightButton)
        return;
    dragFrom = lineList->itemIndex();
    drag_->beginDrag(lineList, lineList->viewport()->mapToGlobal(pos));
}

void MainWindow::dragOverList(const QPoint& pos, bool&)
{
    if (lineList->dragCursor != Qt::DragMoveCursor)
        lineList->dragCursor = Qt::DragMoveCursor;
    dragTo = lineList->itemAtPos(pos);
    if (dragTo > lineList->count())
        dragTo = lineList->count();
}

void MainWindow::dropOnList(const QPoint&)
{
    moveLine(dragFrom, dragTo);
}

void MainWindow::moveLine(int from, int to)
{
    const LineMove move = planLineMove(from, to, lineList->count());
    if (!move.moves)
        return;
    const BuildList::Change change(*document_, LineStep::Kind::MoveLine);
    document_->moveLine(from, move.landsAt);
    // The moved line is selected as if clicked, so Insert goes below it.
    selectRowAsClicked(move.landsAt);
}

void MainWindow::dragOverToilet(const QPoint&, bool&)
{
    lineList->dragCursor = Qt::DragMoveCursor;
}

void MainWindow::dropOnToilet(const QPoint&)
{
    removeLine(dragFrom);
}

void MainWindow::removeLine(int row)
{
    // The Refresh below may stop at a bad quantity once the line is gone:
    // the step is made either way.
    const BuildList::Change change(*document_, LineStep::Kind::RemoveLine);
    if (row >= 0 && row < document_->lineCount())
        document_->removeLines(LineStep::Kind::RemoveLine, row, 1);
    setInsertAt(insertAtAfterRemoval(insertAt_));
    // The line last selected is selected again by the program.
    lineList->setItemIndex(currentLine_);
    keepARowCurrent(row);
    picker_->recountVillagers();
}

void MainWindow::keepARowCurrent(int row)
{
    const int count = lineList->count();
    if (lineList->currentRow() >= 0 || count == 0)
        return;
    lineList->selectionModel()->setCurrentIndex(lineList->model()->index(qBound(0, row, count - 1), 0),
                                                QItemSelectionModel::NoUpdate);
}

void MainWindow::dragOverWindow(const QPoint&, bool&)
{
    lineList->dragCursor = Qt::ForbiddenCursor;
}
