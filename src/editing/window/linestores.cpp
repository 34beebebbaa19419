#include "editing/window/linestores.h"

#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"

int MemoLines::lineCount() const
{
    return memo_.lineCount();
}

QString MemoLines::line(int row) const
{
    return memo_.line(row);
}

void MemoLines::setLine(int row, const QString& text)
{
    memo_.setLine(row, text);
}

void MemoLines::insertLines(int row, const QStringList& lines)
{
    memo_.insertLines(row, lines);
}

void MemoLines::removeLines(int row, int count)
{
    memo_.removeLines(row, count);
}

void MemoLines::moveLine(int from, int to)
{
    const QString moved = memo_.line(from);
    memo_.removeLines(from, 1);
    memo_.insertLines(to, {moved});
}

bool MemoLines::endsWithBreak() const
{
    return memo_.endsWithBreak();
}

void MemoLines::setEndsWithBreak(bool ends)
{
    memo_.setEndsWithBreak(ends);
}

int ListLines::lineCount() const
{
    return list_.count();
}

QString ListLines::line(int row) const
{
    return list_.item(row);
}

void ListLines::setLine(int row, const QString& text)
{
    list_.setItem(row, text);
}

void ListLines::insertLines(int row, const QStringList& lines)
{
    for (int i = 0; i < lines.size(); ++i)
        list_.insertItem(row + i, lines.at(i));
}

void ListLines::removeLines(int row, int count)
{
    for (int i = 0; i < count; ++i)
        list_.deleteItem(row);
}

void ListLines::moveLine(int from, int to)
{
    const QString moved = list_.item(from);
    list_.deleteItem(from);
    list_.insertItem(to, moved);
}
