#pragma once

#include "app/startup.h"
#include "buildlist/buildlist.h"
#include "catalog/catalog.h"
#include "support/scripteddialogs.h"
#include "widgets/application.h"

#include <QStringList>
#include <QWidget>

class BuildListTextEdit;
class QAction;
class QListWidget;
class QMenu;
class MainWindow;
class CountWindow;

// The program's windows as start-up creates them, on a scripted dialog
// service.
struct FormFixture {
    FormFixture();
    ~FormFixture();

    ScriptedDialogs dialogs;
    Application app{dialogs};
    Windows windows;
    MainWindow& form;
    CountWindow& form2;

    // The text area's lines and whole text.
    QStringList lines() const;
    QString text() const;
    // Puts lines into the text area as the program's own change, each
    // followed by CR LF, and clears the unsaved-work marker.
    void setLines(const QStringList& lines);
    QStringList listItems() const;

    // Fails the current test when a dialog was unexpected or not shown.
    bool dialogsFinished() const;
};

// What one part of the window works with, for trying it alone: a scripted
// dialog service, the filled catalog, a build list of these lines, and a
// window to stand as its parent.
struct PartFixture {
    explicit PartFixture(const QStringList& lines = {});
    ~PartFixture();

    ScriptedDialogs dialogs;
    Application app{dialogs};
    Catalog catalog;
    BuildList document;
    QWidget window;
};

// Chooses a menu command as the user does, and lets it run: a command that
// may open a modal box runs one turn of the event loop later.
void choose(QAction* action);

// Everything the window shows of the build list, to compare as a whole:
// the text, the list, the place (selection, current line, insertion point,
// Find's start, caret, column) and the rest (tally, Undo button, marker,
// mode). The hidden text's caret counts for nothing.
QStringList windowState(const MainWindow& form);

// A click on a row of the list, as a user makes it, the row scrolled into
// view and the window shown first.
void clickRow(QListWidget* list, int row);
// The caret put at `offset` in the text, and a key released there: the
// text notes the caret's line and column, as after a click.
void placeCaret(BuildListTextEdit* text, int offset);
// The list's row menu, asked for from the keyboard; null when the list
// offers none. An item chosen from it by its caption, without the '&'.
QMenu* openLineMenu(QListWidget* list);
void chooseFromLineMenu(QListWidget* list, const QString& caption);
// The document's current line and insertion point, as a part leaves them.
void setPlace(BuildList& document, int line, int insertAt);

// `count` comment lines of 48 characters, "// line 0" and on.
QStringList commentLines(int count);

// "%1" filled with blanks to 48 characters.
QString line48(const QString& start);

#define VERIFY_DIALOGS(fixture)                                                                              \
    do {                                                                                                     \
        QString why__;                                                                                       \
        QVERIFY2((fixture).dialogs.finished(&why__), qPrintable(why__));                                     \
    } while (false)
