#pragma once

#include <QWidget>
#include <initializer_list>

// A window's whole Tab order, in one place: the controls in the order of
// the layout, top to bottom, left to right, group by group.
inline void setTabOrderOf(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
