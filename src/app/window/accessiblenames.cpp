// What a screen reader says of the main window's controls.
#include "app/window/buildlisttextedit.h"
#include "app/window/buildlistview.h"
#include "app/window/completingcombobox.h"
#include "app/window/mainwindow.h"
#include "app/window/statuspanels.h"
#include "app/window/textbox.h"
#include "app/window/updownarrows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

void name(QWidget* control, const QString& name, const QString& description = QString())
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// What a screen reader says, in the user's language; the texts are marked
// where they stand, so that the translation tools find them.
QString spoken(const char* text)
{
    return QCoreApplication::translate("AccessibleNames", text);
}

} // namespace

void MainWindow::nameForScreenReaders()
{
    name(toilet, spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Remove line: drop a line here")),
         spoken(QT_TRANSLATE_NOOP(
             "AccessibleNames",
             "In Lines mode, a line dragged onto this picture is removed from the build list. "
             "The Remove item of a row's context menu does the same.")));
    name(textArea, spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Build list")),
         spoken(
             QT_TRANSLATE_NOOP("AccessibleNames", "The build list as text, one 48-character line per step")));
    name(lineList, spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Build list")),
         spoken(QT_TRANSLATE_NOOP("AccessibleNames",
                                  "One row per line. Alt+Up and Alt+Down move the selected line; "
                                  "the context menu moves or removes it.")));
    // The panels are read as what they mean, and heard again as they change.
    auto labelled = [](const QString& label, const QString& none) {
        return [=](const QString& text) { return label + (text.isEmpty() ? none : text); };
    };
    statusPanels->setPanelSpeech(int(MainWindow::Panel::File),
                                 labelled(spoken(QT_TRANSLATE_NOOP("AccessibleNames", "File: ")),
                                          spoken(QT_TRANSLATE_NOOP("AccessibleNames", "none"))),
                                 spoken(QT_TRANSLATE_NOOP("AccessibleNames", "The open file's name")));
    statusPanels->setPanelSpeech(int(MainWindow::Panel::Mode),
                                 labelled(spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Mode: ")),
                                          spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Normal"))),
                                 spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Normal or Lines")));
    statusPanels->setPanelSpeech(
        int(MainWindow::Panel::Column),
        labelled(spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Column: ")),
                 spoken(QT_TRANSLATE_NOOP("AccessibleNames", "none"))),
        spoken(QT_TRANSLATE_NOOP("AccessibleNames", "The caret's column in the line")));
    statusPanels->setPanelSpeech(
        int(MainWindow::Panel::Marker),
        [](const QString& text) {
            return text.isEmpty() ? spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Saved"))
                                  : spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Unsaved changes"));
        },
        spoken(QT_TRANSLATE_NOOP("AccessibleNames", "Whether there is unsaved work")));
    // Its caption says which mode it enters; its tooltip only "Drag & drop".
    modeButton->setAccessibleDescription(spoken(QT_TRANSLATE_NOOP(
        "AccessibleNames", "Switches between editing the text and moving whole lines in a list")));
}
