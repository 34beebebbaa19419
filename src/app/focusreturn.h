#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// When a dialog or another of the program's windows (the Count and Check
// Order windows) closes while it held the keyboard, its owner takes the
// keyboard back, and with it the control that had it: the window it was
// opened over, or the main window. A window manager usually does this;
// without one, or when it hesitates, the keys would otherwise go nowhere
// until the user clicks.
class FocusReturn : public QObject {
    Q_OBJECT
public:
    explicit FocusReturn(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
};
