#include "widgets/classicedit.h"

#include <QAccessible>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

bool isAltCombinationText(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers mods = e->modifiers();
    if (!(mods & Qt::AltModifier) || (mods & Qt::ControlModifier))
        return false;
    const QString text = e->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

void tellFocusBeforeCaret(QWidget* box)
{
    if (!QAccessible::isActive() || !box->hasFocus())
        return;
    QAccessibleEvent focus(box, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void SelectOnFocus::focusIn(QLineEdit* box, const QFocusEvent* e)
{
    bool select = true;
    switch (e->reason()) {
    case Qt::MouseFocusReason:
    case Qt::PopupFocusReason: select = false; break;
    case Qt::ActiveWindowFocusReason:
        // Held the focus when the window went inactive: it only gets it
        // back. Otherwise the program moved it here meanwhile.
        select = !heldAcrossDeactivation_;
        break;
    default: break;
    }
    heldAcrossDeactivation_ = false;
    if (select && box)
        box->selectAll();
}

void SelectOnFocus::focusOut(const QFocusEvent* e)
{
    heldAcrossDeactivation_ = e->reason() == Qt::ActiveWindowFocusReason;
}

static QLineEdit* textBoxOf(QWidget* control)
{
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    return nullptr;
}

void giveFocus(QWidget* control)
{
    const bool alreadyFocused = control->window()->focusWidget() == control;
    control->setFocus(Qt::OtherFocusReason);
    if (alreadyFocused) {
        if (QLineEdit* box = textBoxOf(control))
            box->selectAll();
    }
}
