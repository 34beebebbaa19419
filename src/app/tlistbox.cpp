#include "app/tlistbox.h"
#include "app/toolkiterrors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setDragEnabled(false);
    setAcceptDrops(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QString TListBox::item(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexError();
    return QListWidget::item(index)->text();
}

void TListBox::addItem(const QString& s)
{
    QListWidget::addItem(s);
}

void TListBox::insertItem(int index, const QString& s)
{
    if (index < 0 || index > count())
        throw ListIndexError();
    QListWidget::insertItem(index, s);
}

void TListBox::deleteItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const bool wasSelected = index == itemIndex();
    delete takeItem(index);
    if (wasSelected) {
        clearSelection();
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
}

void TListBox::clearItems()
{
    clear();
}

void TListBox::setItems(const QStringList& items)
{
    setUpdatesEnabled(false);
    clear();
    addItems(items);
    setCurrentRow(-1);
    clearSelection();
    setUpdatesEnabled(true);
}

QStringList TListBox::items() const
{
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.append(QListWidget::item(i)->text());
    return result;
}

QString TListBox::text() const
{
    QString result;
    for (int i = 0; i < count(); ++i) {
        result.append(QListWidget::item(i)->text());
        result.append(QLatin1String("\r\n"));
    }
    return result;
}

int TListBox::itemIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TListBox::setItemIndex(int index)
{
    if (index >= count())
        return;
    if (index < 0) {
        clearSelection();
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

int TListBox::itemAtPos(const QPoint& pos) const
{
    const QRect client = viewport()->geometry();
    if (!client.contains(pos))
        return -1;
    const QModelIndex index = indexAt(viewport()->mapFrom(this, pos));
    return index.isValid() ? index.row() : count();
}

void TListBox::mousePressEvent(QMouseEvent* e)
{
    const QModelIndex under = indexAt(e->position().toPoint());
    // A press below the last item keeps the selection, as a list box does.
    if (under.isValid() && e->button() == Qt::LeftButton) {
        QListWidget::mousePressEvent(e);
        if (onClick)
            onClick();
    }
    if (onMouseDown)
        onMouseDown(e->button(), e->position().toPoint());
}

void TListBox::keyPressEvent(QKeyEvent* e)
{
    const int before = itemIndex();
    QListWidget::keyPressEvent(e);
    if (itemIndex() != before && onClick)
        onClick();
}
