#pragma once

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <type_traits>

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

// Tells assistive technology that the box has the focus before its caret
// or selection moves: a screen reader takes a caret that moves in an
// object it has not yet heard of as the focus, quietly, and then says
// nothing for the focus event that follows.
void tellFocusBeforeCaret(QWidget* box);

// A text box (a QLineEdit, or an editable QComboBox) with both rules.
template <class Box> class ClassicTextBox : public Box {
public:
    using Box::Box;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (isAltCombinationText(e)) {
            e->ignore();
            return;
        }
        Box::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        tellFocusBeforeCaret(this);
        Box::focusInEvent(e);
        if constexpr (std::is_base_of_v<QLineEdit, Box>)
            selectOnFocus_.focusIn(this, e);
        else
            selectOnFocus_.focusIn(this->lineEdit(), e);
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        selectOnFocus_.focusOut(e);
        Box::focusOutEvent(e);
    }

private:
    SelectOnFocus selectOnFocus_;
};

// Gives a control the focus as the program does. A text box that already
// has it selects its text as if it had just gained it.
void giveFocus(QWidget* control);
