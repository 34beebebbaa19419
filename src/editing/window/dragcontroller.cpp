#include "editing/window/dragcontroller.h"
#include "widgets/application.h"
#include "widgets/buildlistview.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

DragController::DragController(QWidget* window, Application& app)
    : QObject(window), window_(window), app_(app)
{
}

DragController::~DragController()
{
    if (source_)
        finish();
}

void DragController::addControl(QWidget* control, Reaction reaction)
{
    targets_.insert(control, reaction);
}

void DragController::beginDrag(BuildListView* source, const QPoint& globalPress)
{
    if (source_)
        return; // a drag is already under way
    source_ = source;
    pressPos_ = globalPress;
    active_ = false;
    qApp->installEventFilter(this);
}

QWidget* DragController::controlAt(const QPoint& globalPos) const
{
    QWidget* w = window_->childAt(window_->mapFromGlobal(globalPos));
    if (!w)
        return window_->rect().contains(window_->mapFromGlobal(globalPos)) ? window_ : nullptr;
    while (w && w != window_ && !targets_.contains(w))
        w = w->parentWidget();
    return w;
}

// Runs the drag-over of the control under the pointer and shows the
// matching cursor. Returns whether that control accepts the drop.
bool DragController::hover(const QPoint& globalPos, QWidget** control)
{
    QWidget* target = controlAt(globalPos);
    *control = target;
    bool accept = false;
    if (target && targets_.value(target, Reaction::Refuses) != Reaction::Refuses) {
        accept = true;
        const QPoint local = target->mapFromGlobal(globalPos);
        app_.guard([&] { emit draggedOver(target, local, &accept); });
    }
    const QCursor cursor(accept ? source_->dragCursor : Qt::ForbiddenCursor);
    if (cursorSet_)
        QApplication::changeOverrideCursor(cursor);
    else
        QApplication::setOverrideCursor(cursor);
    cursorSet_ = true;
    return accept;
}

bool DragController::eventFilter(QObject*, QEvent* event)
{
    if (!source_)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint global = me->globalPosition().toPoint();
        if (!active_) {
            const QPoint moved = global - pressPos_;
            if (qAbs(moved.x()) < kStartDistance && qAbs(moved.y()) < kStartDistance)
                return true;
            active_ = true;
        }
        QWidget* control = nullptr;
        hover(global, &control);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (active_) {
            const QPoint global = me->globalPosition().toPoint();
            QWidget* control = nullptr;
            const bool accepted = hover(global, &control);
            const bool takes = control && targets_.value(control) == Reaction::TakesDrops;
            finish();
            if (accepted && takes) {
                const QPoint local = control->mapFromGlobal(global);
                app_.guard([&] { emit droppedOn(control, local); });
            }
            return true;
        }
        finish(); // a plain click: no drag
        return false;
    }
    // While a line is held, no key may change the list under it: the
    // window's shortcuts (Undo, Redo) are held back with the rest, and
    // Escape lets go of the line.
    case QEvent::ShortcutOverride: event->accept(); return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && active_)
            finish();
        return true;
    default: return false;
    }
}

void DragController::finish()
{
    qApp->removeEventFilter(this);
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
    cursorSet_ = false;
    source_ = nullptr;
    active_ = false;
}
