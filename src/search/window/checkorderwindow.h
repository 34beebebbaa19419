#pragma once

#include <QTimer>
#include <QWidget>

class BesideOwner;
class BuildList;
class QLabel;
class QListWidget;
class QPushButton;
class Application;
class Catalog;

// The Check Order window: lists each line of the build list that the
// picker would not have offered where it stands. A tool window of the main
// window, placed beside it; while it is shown the list is checked again
// after every change (a burst of changes costs one check) and the lines
// with a problem are marked where the user edits. A click, Enter or Space
// on a problem selects that line in the main window's list.
class CheckOrderWindow : public QWidget {
    Q_OBJECT
public:
    CheckOrderWindow(const Catalog& catalog, const BuildList& document, Application& app, QWidget* owner);

    // Checks the build list as it stands now.
    void checkAgain();
    void selectProblemLine();
    void closeWindow();

    // The line (from 1) each row names; none when all is well.
    QList<int> rowLines() const { return rowLines_; }
    // Whether a change waits to be checked.
    bool checkPending() const { return pending_.isActive(); }

    // Shows the window beside the main window, or brings it to the front
    // where it is, with the keyboard on its current problem.
    void showBesideOwner();

signals:
    // The user chose the problem on this line (from 0).
    void lineChosen(int line);
    // The lines (from 0) with a problem, each with its text, to be marked
    // where the user edits; none when the window closes.
    void problemLinesMarked(const QList<int>& lines, const QStringList& texts);
    // The number of problems changed while the window is shown: "Problems: 1".
    void countChanged(const QString& spoken);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameForScreenReaders();
    void followChanges(bool follow);
    void markLines(bool shown);
    void showCount();

    QListWidget* problemList = nullptr;
    QLabel* summaryLabel = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* closeButton = nullptr;
    const Catalog& catalog_;
    const BuildList& document_; // read only: the window changes no line
    Application& app_;
    QList<int> rowLines_;
    QStringList rowTexts_;
    QTimer pending_;
    QList<QMetaObject::Connection> following_;
    bool marking_ = false;
    bool checkedOnce_ = false;
    BesideOwner* placement_ = nullptr;
};
