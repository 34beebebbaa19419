#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Text boxes claim Ctrl+A, Ctrl+X and the like for their own editing. In
// this window the menu's shortcuts come first, whichever control has the
// focus: their keys are kept from every control's shortcut override.
class MenuShortcutPriority : public QObject {
    Q_OBJECT
public:
    MenuShortcutPriority(QWidget* window, QList<QAction*> actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QList<QAction*> actions_;
};
