#include "app/shortcutpriority.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

MenuShortcutPriority::MenuShortcutPriority(QWidget* window, QList<QAction*> actions)
    : QObject(window), window_(window), actions_(std::move(actions))
{
    qApp->installEventFilter(this);
}

bool MenuShortcutPriority::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : actions_) {
        if (action->isEnabled() && action->shortcut() == pressed) {
            event->ignore(); // not overridden: the shortcut runs
            return true;
        }
    }
    return false;
}
