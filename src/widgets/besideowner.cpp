#include "widgets/besideowner.h"

#include "model/placement.h"

#include <QEvent>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kCoverable = "vexditCoverableArea";

QSize marginsOf(const QWidget* window)
{
    return window->frameGeometry().size() - window->geometry().size();
}

} // namespace

BesideOwner::BesideOwner(QWidget* window, const QSize& wanted, const QSize& smallest)
    : QObject(window), window_(window), wanted_(wanted), smallest_(smallest)
{
    window_->resize(wanted_);
    window_->installEventFilter(this);
}

void BesideOwner::place(const QWidget* owner)
{
    owner_ = owner;
    if (!owner_ || window_->isVisible())
        return;
    unframed_ = true;
    assumedMargins_ = marginsOf(owner_);
    placeBy(assumedMargins_);
}

void setCoverableArea(QWidget* owner, QWidget* area)
{
    owner->setProperty(kCoverable, QVariant::fromValue<QObject*>(area));
}

void BesideOwner::placeBy(const QSize& margins)
{
    if (!owner_ || !owner_->screen())
        return;
    QRect coverable;
    if (const auto* area = qobject_cast<const QWidget*>(owner_->property(kCoverable).value<QObject*>()))
        coverable = QRect(area->mapToGlobal(QPoint(0, 0)), area->size());
    const QRect place = placeBeside(owner_->frameGeometry(), wanted_ + margins,
                                    owner_->screen()->availableGeometry(), smallest_ + margins, coverable);
    placedSize_ = place.size() - margins;
    window_->resize(placedSize_);
    window_->move(place.topLeft());
}

bool BesideOwner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        // Placed again only where its frame differs from the owner's,
        // which it was placed by: a size the user gives it stays.
        if (unframed_ && window_->isVisible() && !marginsOf(window_).isEmpty()) {
            unframed_ = false;
            if (marginsOf(window_) != assumedMargins_)
                placeBy(marginsOf(window_));
        }
        break;
    case QEvent::Hide:
        if (!event->spontaneous()) {
            unframed_ = false;
            if (window_->size() != placedSize_)
                wanted_ = window_->size();
        }
        break;
    default: break;
    }
    return false;
}
