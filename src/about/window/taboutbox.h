#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The About box: the program's name, version and pictures, and OK.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* OKButton = nullptr;
};
