#pragma once

#include "widgets/classicedit.h"

// An editable combo box. Its change event comes from the user only, by
// typing or by choosing from the list; setting the index by program puts
// the item's text into the box without raising it. Its text takes keys and
// the focus as the classic edit control does (see classicedit.h).
class CompletingComboBox : public ClassicTextBox<QComboBox> {
    Q_OBJECT
public:
    explicit CompletingComboBox(QWidget* parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString& text);
    void clearAll(); // items and text
    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index);
    QString itemText(int index) const { return QComboBox::itemText(index); }
    // Selects the text from `position` to its end, the caret at the end.
    void selectFrom(int position);

signals:
    // The user typed in the box or chose an item.
    void changedByUser();
    // An item chosen from the drop-down list.
    void chosenFromList();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool programChange_ = false;
    bool steppedByKey_ = false; // Up, Down, Page keys on the closed box
};
