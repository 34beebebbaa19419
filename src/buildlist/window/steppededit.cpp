#include "buildlist/window/steppededit.h"

#include <QAccessible>

SteppedEdit::SteppedEdit(const QString& text, int minimum, int maximum, QWidget* parent)
    : TextBox(text, parent), minimum_(minimum), maximum_(maximum)
{
    connect(this, &QLineEdit::textChanged, this, &SteppedEdit::tellValue);
}

void SteppedEdit::tellValue()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent changed(this, value());
    QAccessible::updateAccessibility(&changed);
}
