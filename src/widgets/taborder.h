#pragma once

#include <QWidget>
#include <initializer_list>

// A window's whole Tab order, in one place: the controls in the order of
// the layout, top to bottom, left to right, group by group.
template <class Controls> void setTabOrderOf(const Controls& controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

inline void setTabOrderOf(std::initializer_list<QWidget*> controls)
{
    setTabOrderOf<std::initializer_list<QWidget*>>(controls);
}
