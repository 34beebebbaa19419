#pragma once

#include "widgets/textbox.h"

// An edit box for a number that an up-down spinner beside it steps. To
// assistive technology it is a spin box: its value is its number, within
// the spinner's range, and each change of it is told as a value change,
// so a screen reader says the new number as Up or Down steps it.
class SteppedEdit : public TextBox {
    Q_OBJECT
public:
    SteppedEdit(const QString& text, int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // The number shown; 0 for text that is no number.
    int value() const { return text().trimmed().toInt(); }

private:
    void tellValue();

    int minimum_;
    int maximum_;
};
