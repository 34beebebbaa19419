#pragma once

#include <QObject>

class Application;
class BuildList;
class FindDialog;
class QWidget;

// Find: looks for a text in the build list's lines, without regard to
// case, downwards from where the last search stopped. Its window stays
// open beside the main window.
class FindCommand : public QObject {
    Q_OBJECT
public:
    FindCommand(Application& app, const BuildList& document, QWidget* window);

    // Shows the find window; the next search starts at the top, or where
    // the last one stopped when `keepPlace`.
    void open(bool keepPlace);
    // Find Next: selects the next line holding the text, asking to go on
    // from the top when it reaches the end.
    void findNext();

    // The line (from 0) the next search starts at; -1 when nothing is
    // selected, which searches from the top.
    int findFrom() const { return findFrom_; }
    void setFindFrom(int line) { findFrom_ = line; }

signals:
    // A search is starting: it works on the list of Lines mode.
    void searching();
    // The search found this line (from 0).
    void found(int line);
    // A pass of the search is over, found or not.
    void passEnded();

private:
    Application& app_;
    const BuildList& document_;
    FindDialog* dialog_;
    int findFrom_ = 0;
};
