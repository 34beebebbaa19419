#pragma once

#include <QDialog>

class TextBox;
class QPushButton;

// A small find window that stays open beside the main window: a text,
// Find Next and Cancel. It searches downwards only.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString findText() const;
    void setFindText(const QString& text);
    void pressFindNext();

signals:
    // Find Next, by its button or by Enter.
    void findNextPressed();

private:
    TextBox* text_;
    QPushButton* findNext_;
    QPushButton* cancel_;
};
