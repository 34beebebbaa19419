#pragma once

#include <QLabel>

// What an action did, said where a screen reader hears it at once (a
// notification), without moving the keyboard: "Appended line 6: ...".
// It takes no room in the window; the status bar shows the lasting state.
class Announcer : public QLabel {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
};
