#include "widgets/rowfocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QPointer>
#include <QTimer>

void tellCurrentRowOnceFocused(QAbstractItemView* view)
{
    if (!QAccessible::isActive())
        return;
    // Qt tells of the list's own focus right after its focus-in event: the
    // row goes one turn of the event loop later.
    QTimer::singleShot(0, view, [list = QPointer<QAbstractItemView>(view)] {
        if (!list || !list->hasFocus() || !list->isActiveWindow() || !QAccessible::isActive())
            return;
        const int row = list->currentIndex().row();
        if (row < 0)
            return;
        QAccessibleEvent focus(list.data(), QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    });
}
