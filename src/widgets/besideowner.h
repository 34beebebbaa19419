#pragma once

#include <QObject>
#include <QSize>

class QWidget;

// Keeps a window of the program's beside the window it belongs to, as
// the model's placeBeside() says, frame beside frame. Until a window
// manager has framed it, its frame is not known: the owner's margins are
// taken for its own, and once its real frame shows (the first move or
// resize while shown) it is placed again by that. A size the user gives
// it is the size it asks for the next time it is shown.
class BesideOwner : public QObject {
public:
    BesideOwner(QWidget* window, const QSize& wanted, const QSize& smallest);

    // Places the window beside `owner` before it is shown.
    void place(const QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeBy(const QSize& margins);

    QWidget* window_;
    const QWidget* owner_ = nullptr;
    QSize wanted_;
    QSize smallest_;
    QSize placedSize_;
    QSize assumedMargins_;
    bool unframed_ = false;
};

// The control of `owner` that a window kept beside it may cover where no
// side has room (its list, say): never its menus or controls.
void setCoverableArea(QWidget* owner, QWidget* area);
