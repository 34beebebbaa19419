#include "buildlist/window/updownarrows.h"

#include <QKeyEvent>
#include <QToolButton>

UpDownArrows::UpDownArrows(int min, int max, int position, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(position), up_(new QToolButton(this)),
      down_(new QToolButton(this))
{
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
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

void UpDownArrows::setPosition(int position)
{
    position_ = qBound(min_, position, max_);
}

void UpDownArrows::click(Button button)
{
    setPosition(position_ + (button == Button::Up ? 1 : -1));
    emit clicked(button);
}

void UpDownArrows::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDownArrows::stepWithArrowKeys(QWidget* box)
{
    box_ = box;
    box->installEventFilter(this);
}

bool UpDownArrows::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == box_ && e->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                click(key->key() == Qt::Key_Up ? Button::Up : Button::Down);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, e);
}

void UpDownArrows::setArrowNames(const QString& up, const QString& down)
{
    up_->setAccessibleName(up);
    down_->setAccessibleName(down);
}
