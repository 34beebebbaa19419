#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// When a dialog that held the keyboard closes, its owner takes the keyboard
// back: the window it was opened over, or the main window for a box that
// has none. A window manager usually does this; without one, or when it
// hesitates, the keys would otherwise go nowhere until the user clicks.
class FocusReturn : public QObject {
    Q_OBJECT
public:
    explicit FocusReturn(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
};
