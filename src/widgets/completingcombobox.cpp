#include "widgets/completingcombobox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

CompletingComboBox::CompletingComboBox(QWidget* parent) : ClassicTextBox<QComboBox>(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CompletingComboBox::changedByUser);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] {
        if (programChange_)
            return;
        // Stepping through the items with the keys keeps the focus in the
        // box; only a choice from the drop-down list is a click.
        if (!steppedByKey_)
            emit chosenFromList();
        emit changedByUser();
    });
}

void CompletingComboBox::keyPressEvent(QKeyEvent* e)
{
    const QScopedValueRollback stepping(steppedByKey_, true);
    ClassicTextBox<QComboBox>::keyPressEvent(e);
}

void CompletingComboBox::setText(const QString& text)
{
    setEditText(text);
}

void CompletingComboBox::clearAll()
{
    clear();
    clearEditText();
}

void CompletingComboBox::selectFrom(int position)
{
    const int length = int(lineEdit()->text().size());
    lineEdit()->setSelection(length, position - length);
}

void CompletingComboBox::setItemIndex(int index)
{
    programChange_ = true;
    setCurrentIndex(index);
    if (index >= 0 && index < count())
        setEditText(QComboBox::itemText(index));
    programChange_ = false;
}
