#pragma once

#include <QWidget>

class CompletingComboBox;
class QPushButton;
class Application;
class MainWindow;
class BuildListTextEdit;

// The Count window: sums how many of one unit the build list trains and
// collects the results as comment lines, which it can put at the top of
// the build list.
class CountWindow : public QWidget {
    Q_OBJECT
public:
    CountWindow(MainWindow& form1, Application& app, QWidget* parent = nullptr);

    CompletingComboBox* unitBox = nullptr;
    QPushButton* countButton = nullptr;
    BuildListTextEdit* counts = nullptr;
    QPushButton* closeButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* clearButton = nullptr;

    void startAfresh();
    void countUnit();
    void copyToBuildList();
    void clearCounts();
    void closeWindow();

private:
    MainWindow& main_;
    Application& app_;
};

// A character the Count window's text may hold: what a build-list file can
// hold and Open accepts (no tab, no other control character, nothing above
// code 255).
bool isCommentCharacter(char16_t ch);
