// Lines mode by mouse: drag a line to move it, drop it on the toilet to
// remove it.
#include "app/dragcontroller.h"
#include "app/tform1.h"
#include "app/tlistbox.h"

void TForm1::ListBox1MouseDown(Qt::MouseButton, const QPoint& pos)
{
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
    int from = dragFrom;
    const int to = dragTo;
    const int count = ListBox1->count();
    // Over the border or the scroll bar, or with no line taken: no move.
    if (to < 0 || from < 0 || from >= count || from == to)
        return;
    const bool orderChanges = to != from + 1;
    const QString line = ListBox1->item(from);
    ListBox1->insertItem(to, line);
    if (to < from)
        ++from;
    ListBox1->deleteItem(from);
    // The moved line is selected as if clicked, so Insert goes below it;
    // a new order is unsaved work.
    ListBox1->setItemIndex(to < dragFrom ? to : to - 1);
    ListBox1Click();
    if (orderChanges)
        setModified(true);
}

void TForm1::Image1DragOver(const QPoint&, bool&)
{
    ListBox1->dragCursor = Qt::DragMoveCursor;
}

void TForm1::Image1DragDrop(const QPoint&)
{
    ListBox1->deleteItem(dragFrom);
    if (insertAt > 0)
        --insertAt;
    else
        insertAt = 0;
    ListBox1->setItemIndex(currentLine);
    cmdVillCountRefreshClick();
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
