#pragma once

#include <QDialog>

class TEdit;
class QPushButton;

// A small find window that stays open beside the main window: a text,
// Find Next and Cancel. It searches downwards only.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QString findText() const;
    void setFindText(const QString& text);
    void pressFindNext();

    TEdit* textBox() const { return text_; }

signals:
    // Find Next, by its button or by Enter.
    void findNextPressed();

public:
    QPushButton* findNextButton() const { return findNext_; }

private:
    TEdit* text_;
    QPushButton* findNext_;
    QPushButton* cancel_;
};
