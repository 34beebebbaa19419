#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>

class QWidget;
class BuildListView;
class Application;

// An in-window drag of a list line, started on request with a delayed
// start: it becomes active once the pointer has moved 5 pixels with the
// button held. Targets are the window's controls: over one that hovers or
// takes drops, draggedOver asks (its accept flag set to begin with); one
// that refuses is not asked. The drop goes to the accepting control under
// the pointer, when it takes drops.
class DragController : public QObject {
    Q_OBJECT
public:
    enum class Reaction { Refuses, Hovers, TakesDrops };

    DragController(QWidget* window, Application& app);
    ~DragController() override;

    // Every control of the window is named here, with or without handlers,
    // so that a pointer over any part of it is over that control. The
    // window itself stands for its own background.
    void addControl(QWidget* control, Reaction reaction = Reaction::Refuses);

    // globalPress: where the button went down, in screen coordinates.
    void beginDrag(BuildListView* source, const QPoint& globalPress);
    bool pending() const { return source_ != nullptr; }
    bool active() const { return active_; }

    static constexpr int kStartDistance = 5;

signals:
    // The pointer is over `control` (at `pos`, in its coordinates) with a
    // line; a receiver may set *accept to false to refuse the drop there.
    void draggedOver(QWidget* control, const QPoint& pos, bool* accept);
    // The line was dropped on `control`, which accepted it.
    void droppedOn(QWidget* control, const QPoint& pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* controlAt(const QPoint& globalPos) const;
    bool hover(const QPoint& globalPos, QWidget** control);
    void finish();

    QWidget* window_;
    Application& app_;
    QHash<QWidget*, Reaction> targets_;
    BuildListView* source_ = nullptr;
    QPoint pressPos_;
    bool active_ = false;
    bool cursorSet_ = false;
};
