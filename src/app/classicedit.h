#pragma once

#include <Qt>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

// How the classic edit controls take keys and the focus, shared by every
// text box of the program.

// An Alt combination types nothing: only access keys and menu keys act on
// it. Ctrl+Alt is left alone, since some keyboards type characters with it.
bool isAltCombinationText(const QKeyEvent* e);

// A box selects its whole text whenever it gains the focus other than by a
// mouse click: by Tab, by an access key, or because the program gave it the
// focus (even while its window was inactive). A window that merely becomes
// active again, or a popup that closes, leaves the selection as it was.
class SelectOnFocus {
public:
    void focusIn(QLineEdit* box, const QFocusEvent* e);
    void focusOut(const QFocusEvent* e);

private:
    bool heldAcrossDeactivation_ = false;
};

// Gives a control the focus as the program does. A text box that already
// has it selects its text as if it had just gained it.
void giveFocus(QWidget* control);
