#include "app/tedit.h"

#include <QKeyEvent>

TEdit::TEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void TEdit::keyPressEvent(QKeyEvent* e)
{
    if (isAltCombinationText(e)) {
        e->ignore();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    selectOnFocus_.focusIn(this, e);
}

void TEdit::focusOutEvent(QFocusEvent* e)
{
    selectOnFocus_.focusOut(e);
    QLineEdit::focusOutEvent(e);
}
