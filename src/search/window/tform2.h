#pragma once

#include <QWidget>

class TComboBox;
class QPushButton;
class TApplication;
class TForm1;
class TMemo;

// The Count window: sums how many of one unit the build list trains and
// collects the results as comment lines, which it can put at the top of
// the build list.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(TForm1& form1, TApplication& app, QWidget* parent = nullptr);

    TComboBox* cboSrchUnit = nullptr;
    QPushButton* btnGo = nullptr;
    TMemo* Memo2 = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* cmdClear = nullptr;

    void FormCreate();
    void btnGoClick();
    void btnCopyClick();
    void cmdClearClick();
    void btnCloseClick();

private:
    TForm1& form1_;
    TApplication& app_;
};

// A character the Count window's text may hold: what a build-list file can
// hold and Open accepts (no tab, no other control character, nothing above
// code 255).
bool isCommentCharacter(char16_t ch);
