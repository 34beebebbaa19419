#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
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

    std::function<void()> onFind;

    QLineEdit* textBox() const { return text_; }
    QPushButton* findNextButton() const { return findNext_; }

private:
    QLineEdit* text_;
    QPushButton* findNext_;
    QPushButton* cancel_;
};
