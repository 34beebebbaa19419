#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class TApplication;
class TForm1;

// The Check Order window: lists each line of the build list that the
// picker would not have offered where it stands. It stays open beside the
// main window, checks again each time it is shown and on "Check", and a
// click on a problem selects that line in the main window's list.
class TCheckOrder : public QWidget {
    Q_OBJECT
public:
    TCheckOrder(TForm1& form1, TApplication& app, QWidget* parent = nullptr);

    QListWidget* lstProblems = nullptr;
    QPushButton* btnCheck = nullptr;
    QPushButton* btnClose = nullptr;

    void btnCheckClick();
    void lstProblemsClick();
    void btnCloseClick();

    // The line (from 1) each row names; 0 for the row that says all is well.
    QList<int> rowLines() const { return rowLines_; }

private:
    TForm1& form1_;
    TApplication& app_;
    QList<int> rowLines_;
};
