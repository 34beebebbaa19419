#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;
class BuildListView;
class Application;

// An in-window drag of a list line, started on request with a delayed
// start: it becomes active once the pointer has moved 5 pixels with the
// button held. Targets are the window's controls; a control with a
// drag-over handler starts each hover with its accept flag set, one without
// refuses. The drop goes to the accepting control under the pointer.
class DragController : public QObject {
    Q_OBJECT
public:
    using DragOver = std::function<void(const QPoint& pos, bool& accept)>;
    using DragDrop = std::function<void(const QPoint& pos)>;

    DragController(QWidget* window, Application& app);
    ~DragController() override;

    // Every control of the window is named here, with or without handlers,
    // so that a pointer over any part of it is over that control. The
    // window itself stands for its own background.
    void addControl(QWidget* control, DragOver over = {}, DragDrop drop = {});

    // globalPress: where the button went down, in screen coordinates.
    void beginDrag(BuildListView* source, const QPoint& globalPress);
    bool pending() const { return source_ != nullptr; }
    bool active() const { return active_; }

    static constexpr int kStartDistance = 5;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        DragOver over;
        DragDrop drop;
    };
    QWidget* controlAt(const QPoint& globalPos) const;
    bool hover(const QPoint& globalPos, QWidget** control);
    void finish();

    QWidget* window_;
    Application& app_;
    QHash<QWidget*, Target> targets_;
    BuildListView* source_ = nullptr;
    QPoint pressPos_;
    bool active_ = false;
    bool cursorSet_ = false;
};
