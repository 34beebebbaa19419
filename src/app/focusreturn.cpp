#include "app/focusreturn.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

FocusReturn::FocusReturn(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow)
{
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Hide || !watched->isWidgetType())
        return false;
    auto* closed = static_cast<QWidget*>(watched);
    const Qt::WindowType type = closed->windowType();
    const bool ownWindow = type == Qt::Dialog || type == Qt::Tool || type == Qt::Window;
    if (!closed->isWindow() || !ownWindow || closed == mainWindow_)
        return false;
    const QWidget* active = QApplication::activeWindow();
    if (active && active != closed)
        return false; // the keyboard is somewhere else already
    QWidget* owner = closed->parentWidget() ? closed->parentWidget()->window() : mainWindow_.data();
    if (owner && owner != closed && owner->isVisible())
        owner->activateWindow();
    return false;
}
