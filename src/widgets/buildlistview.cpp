#include "widgets/buildlistview.h"
#include "editing/textcopy.h"
#include "model/errors.h"
#include "widgets/linenotes.h"
#include "widgets/rowfocus.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

const QColor kMarkTint(255, 228, 196);

// Paints a marked row's background before the row itself.
class MarkedRowDelegate : public QStyledItemDelegate {
public:
    explicit MarkedRowDelegate(const BuildListView* list)
        : QStyledItemDelegate(const_cast<BuildListView*>(list)), list_(list)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!list_->noteOfRow(index.row()).isEmpty())
            painter->fillRect(option.rect, kMarkTint);
        QStyledItemDelegate::paint(painter, option, index);
    }

private:
    const BuildListView* list_;
};

} // namespace

BuildListView::BuildListView(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new MarkedRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setDragEnabled(false);
    setAcceptDrops(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A change of the current row would otherwise scroll at once, laying out
    // every row again; the list scrolls on the next pass of the event loop.
    setAutoScroll(false);
}

void BuildListView::scrollToCurrentLater()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (currentIndex().isValid())
                scrollTo(currentIndex());
        },
        Qt::QueuedConnection);
}

QString BuildListView::item(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexError();
    return QListWidget::item(index)->text();
}

void BuildListView::addItem(const QString& s)
{
    QListWidget::addItem(s);
}

void BuildListView::insertItem(int index, const QString& s)
{
    if (index < 0 || index > count())
        throw ListIndexError();
    QListWidget::insertItem(index, s);
}

void BuildListView::setLine(int row, const QString& text)
{
    if (row < 0 || row >= count())
        throw ListIndexError();
    QListWidget::item(row)->setText(text);
}

void BuildListView::insertLines(int row, const QStringList& lines)
{
    for (int i = 0; i < lines.size(); ++i)
        insertItem(row + i, lines.at(i));
}

void BuildListView::removeLines(int row, int rows)
{
    for (int i = 0; i < rows; ++i)
        deleteItem(row);
}

void BuildListView::moveLine(int from, int to)
{
    const QString moved = item(from);
    deleteItem(from);
    insertItem(to, moved);
}

void BuildListView::deleteItem(int index)
{
    if (index < 0 || index >= count())
        return;
    // Taking the current row away would make the view choose a new one;
    // deleting the selected item leaves nothing selected instead.
    if (index == itemIndex() || index == currentRow())
        selectQuietly(-1);
    delete takeItem(index);
}

void BuildListView::selectQuietly(int index)
{
    // The view, told of a new selection, works out which rows to repaint,
    // and that lays out every row after an insertion: 80,000 rows cost
    // milliseconds. Without the signals it repaints all it shows instead.
    {
        const QSignalBlocker quiet(selectionModel());
        if (index < 0) {
            selectionModel()->clear();
        } else {
            selectionModel()->setCurrentIndex(model()->index(index, 0), QItemSelectionModel::ClearAndSelect);
        }
    }
    viewport()->update();
    if (index >= 0) {
        scrollToCurrentLater();
        tellAssistiveTechnology(index);
    }
}

void BuildListView::tellAssistiveTechnology(int row)
{
    // The signals stay blocked for the click handler's sake; a screen
    // reader still hears the selection, and the focus when the list has it.
    if (!QAccessible::isActive())
        return;
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(row);
    QAccessible::updateAccessibility(&selection);
}

void BuildListView::clearItems()
{
    clear();
}

void BuildListView::setItems(const QStringList& items)
{
    setUpdatesEnabled(false);
    clear();
    addItems(items);
    selectQuietly(-1);
    setUpdatesEnabled(true);
}

void BuildListView::replaceItems(const QList<QStringView>& lines)
{
    const int oldCount = count();
    const int newCount = int(lines.size());
    auto same = [&](int item, int line) {
        return QListWidget::item(item)->data(Qt::DisplayRole).toString() == lines[line];
    };
    int front = 0;
    while (front < oldCount && front < newCount && same(front, front))
        ++front;
    int back = 0;
    while (back < oldCount - front && back < newCount - front
           && same(oldCount - 1 - back, newCount - 1 - back))
        ++back;

    selectQuietly(-1);
    const int removeCount = oldCount - front - back;
    const int insertCount = newCount - front - back;
    if (removeCount > oldCount / 2) {
        // Most of it changes: one batch is cheaper.
        QStringList all;
        all.reserve(newCount);
        for (QStringView line : lines)
            all.append(line.toString());
        setItems(all);
        return;
    }
    setUpdatesEnabled(false);
    for (int i = 0; i < removeCount; ++i)
        delete takeItem(front);
    QStringList middle;
    middle.reserve(insertCount);
    for (int i = 0; i < insertCount; ++i)
        middle.append(lines[front + i].toString());
    QListWidget::insertItems(front, middle);
    setUpdatesEnabled(true);
}

QStringList BuildListView::items() const
{
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.append(QListWidget::item(i)->text());
    return result;
}

QString BuildListView::text() const
{
    return joinLines(items());
}

void BuildListView::setMarkedRows(const QHash<int, QString>& notes)
{
    notes_ = notes;
    viewport()->update();
}

bool BuildListView::viewportEvent(QEvent* e)
{
    if (!notes_.isEmpty()
        && showLineNote(e, viewport(), [this](QPoint at) { return noteOfRow(indexAt(at).row()); }))
        return true;
    return QListWidget::viewportEvent(e);
}

int BuildListView::itemIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void BuildListView::setItemIndex(int index)
{
    if (index >= count())
        return;
    selectQuietly(index);
}

int BuildListView::itemAtPos(const QPoint& pos) const
{
    const QRect client = viewport()->geometry();
    if (!client.contains(pos))
        return -1;
    const QModelIndex index = indexAt(viewport()->mapFrom(this, pos));
    return index.isValid() ? index.row() : count();
}

void BuildListView::mousePressEvent(QMouseEvent* e)
{
    const QModelIndex under = indexAt(e->position().toPoint());
    // A press below the last item keeps the selection, as a list box does.
    if (under.isValid() && e->button() == Qt::LeftButton) {
        QListWidget::mousePressEvent(e);
        emit clickedByUser();
    }
    emit mousePressed(e->button(), e->position().toPoint());
}

void BuildListView::keyPressEvent(QKeyEvent* e)
{
    const bool moveKey = (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)
                         && (e->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
    if (moveKey) {
        emit moveKeyPressed(e->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    // The Menu key and Shift+F10 ask for the context menu, as they do
    // everywhere on the desktop.
    const bool menuKey = (e->key() == Qt::Key_Menu && e->modifiers() == Qt::NoModifier)
                         || (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), mapToGlobal(QPoint()));
        contextMenuEvent(&request);
        return;
    }
    const int before = itemIndex();
    QListWidget::keyPressEvent(e);
    scrollToCurrentLater();
    if (itemIndex() != before)
        emit clickedByUser();
}

void BuildListView::focusInEvent(QFocusEvent* e)
{
    QListWidget::focusInEvent(e);
    // The list is announced with the row it has selected, however the
    // focus came: a click, a switch of mode, a jump from another window.
    if (itemIndex() >= 0)
        tellCurrentRowOnceFocused(this);
}

void BuildListView::contextMenuEvent(QContextMenuEvent* e)
{
    QPoint at = e->globalPos();
    if (e->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex under = indexAt(viewport()->mapFromGlobal(at));
        if (under.isValid() && under.row() != itemIndex()) {
            setCurrentRow(under.row());
            emit clickedByUser();
        }
    } else if (currentItem()) {
        // From the keyboard: at the selected row, brought into view first,
        // as menus open for it.
        scrollToItem(currentItem());
        at = viewport()->mapToGlobal(visualItemRect(currentItem()).bottomLeft());
    }
    emit contextMenuAsked(at);
}
