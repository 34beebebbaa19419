#include "app/window/tcombobox.h"

#include <QLineEdit>

TComboBox::TComboBox(QWidget* parent) : ClassicTextBox<QComboBox>(parent)
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
