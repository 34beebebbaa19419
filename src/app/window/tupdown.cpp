#include "app/window/tupdown.h"

#include <QToolButton>

TUpDown::TUpDown(int min, int max, int position, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(position), up_(new QToolButton(this)),
      down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(6, 6));
    }
    connect(up_, &QToolButton::clicked, this, [this] { click(Button::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { click(Button::Down); });
}

void TUpDown::setPosition(int position)
{
    position_ = qBound(min_, position, max_);
}

void TUpDown::click(Button button)
{
    setPosition(position_ + (button == Button::Up ? 1 : -1));
    if (onClick)
        onClick(button);
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
