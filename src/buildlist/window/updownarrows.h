#pragma once

#include <QWidget>

class QToolButton;

// A standalone up-down spinner: two arrows that move a position within a
// range, without wrapping, and a click event after each arrow. It is not
// tied to an edit box; its click handler writes wherever it wants.
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    enum class Button { Up, Down };

    UpDownArrows(int min, int max, int position, QWidget* parent = nullptr);

    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    void setPosition(int position);

    // What one arrow click does: move by one within the range, then raise
    // the click event.
    void click(Button button);

    // Up and Down in the box beside it act as a click on the matching arrow.
    void stepWithArrowKeys(QWidget* box);

    // What a screen reader calls each arrow.
    void setArrowNames(const QString& up, const QString& down);

signals:
    // After each arrow click, the position moved.
    void clicked(UpDownArrows::Button button);

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int min_;
    int max_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
    QWidget* box_ = nullptr;
};
