#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

// Controls placed where the window's design puts them, in pixels from
// their parent's top left; without a size, at their natural size.
template <class W> W* place(W* widget, int left, int top, int width = -1, int height = -1)
{
    if (width < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

inline QLabel* placedLabel(const QString& text, QWidget* parent, int left, int top)
{
    return place(new QLabel(text, parent), left, top);
}

inline QPushButton* placedButton(const QString& caption, QWidget* parent, int left, int top, int width,
                                 int height)
{
    return place(new QPushButton(caption, parent), left, top, width, height);
}

// An edit box with no margin around its text, as the design's are.
template <class Box, class... Range>
Box* placedEditBox(const QString& text, QWidget* parent, int left, int top, int width, int height,
                   Range... range)
{
    auto* box = place(new Box(text, range..., parent), left, top, width, height);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}
