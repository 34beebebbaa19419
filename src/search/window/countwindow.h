#pragma once

#include <QWidget>

class CompletingComboBox;
class QPushButton;
class Application;
class BuildList;
class Catalog;
class BuildListTextEdit;

// The Count window: sums how many of one unit the build list trains and
// collects the results as comment lines, which it can put at the top of
// the build list.
class CountWindow : public QWidget {
    Q_OBJECT
public:
    CountWindow(const Catalog& catalog, BuildList& document, Application& app, QWidget* parent = nullptr);

    // Shows the window, or brings it to the front, in its unit box.
    void open();

    // Adds a comment line with the chosen unit's count.
    void countUnit();
    // Puts the comment lines above the build list's first line.
    void copyToBuildList();
    void clearCounts();
    void closeWindow();

signals:
    // Create Comment works on the text, never on the list of Lines mode.
    void wantsNormalMode();
    // The comment lines are about to go in at the top of the text.
    void commentGoingIn();

private:
    void startAfresh();
    void nameForScreenReaders();

    CompletingComboBox* unitBox = nullptr;
    QPushButton* countButton = nullptr;
    BuildListTextEdit* counts = nullptr;
    QPushButton* closeButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* clearButton = nullptr;
    const Catalog& catalog_;
    BuildList& document_;
    Application& app_;
};

// A character the Count window's text may hold: what a build-list file can
// hold and Open accepts (no tab, no other control character, nothing above
// code 255).
bool isCommentCharacter(char16_t ch);
