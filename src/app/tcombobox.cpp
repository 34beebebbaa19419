#include "app/tcombobox.h"

#include <QKeyEvent>
#include <QLineEdit>

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (onChange)
            onChange();
    });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] {
        if (programChange_)
            return;
        if (onClick)
            onClick();
        if (onChange)
            onChange();
    });
}

void TComboBox::setText(const QString& text)
{
    setEditText(text);
}

void TComboBox::clearAll()
{
    clear();
    clearEditText();
}

void TComboBox::setItemIndex(int index)
{
    programChange_ = true;
    setCurrentIndex(index);
    if (index >= 0 && index < count())
        setEditText(QComboBox::itemText(index));
    programChange_ = false;
}

void TComboBox::keyPressEvent(QKeyEvent* e)
{
    if (isAltCombinationText(e)) {
        e->ignore();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void TComboBox::focusInEvent(QFocusEvent* e)
{
    QComboBox::focusInEvent(e);
    selectOnFocus_.focusIn(lineEdit(), e);
}

void TComboBox::focusOutEvent(QFocusEvent* e)
{
    selectOnFocus_.focusOut(e);
    QComboBox::focusOutEvent(e);
}
