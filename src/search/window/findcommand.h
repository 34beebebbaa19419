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
    FindCommand(Application& app, BuildList& document, QWidget* window);

    // Shows the find window; the next search starts at the top, or where
    // the last one stopped when `keepPlace`.
    void open(bool keepPlace);
    // Find Next: selects the next line holding the text, asking to go on
    // from the top when it reaches the end. It starts at the document's
    // Find start (-1, with nothing selected, is the top), and leaves the
    // insertion point below the selected line.
    void findNext();

signals:
    // A search is starting: it works on the list of Lines mode.
    void searching();

private:
    void setFindFrom(int line);

    Application& app_;
    BuildList& document_;
    FindDialog* dialog_;
};
