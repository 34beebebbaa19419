// What a screen reader says of the main window's own controls: the status
// panels, read as what they mean and heard again as they change.
#include "app/mainwindow.h"
#include "app/statuspanels.h"

void MainWindow::nameForScreenReaders()
{
    statusPanels->setPanelSpeech(int(Panel::File), {tr("File: "), tr("none"), {}},
                                 tr("The open file's name"));
    statusPanels->setPanelSpeech(int(Panel::Mode), {tr("Mode: "), tr("Normal"), {}}, tr("Normal or Lines"));
    statusPanels->setPanelSpeech(int(Panel::Column), {tr("Column: "), tr("none"), {}},
                                 tr("The caret's column in the line"));
    statusPanels->setPanelSpeech(int(Panel::Marker), {{}, tr("Saved"), tr("Unsaved changes")},
                                 tr("Whether there is unsaved work"));
}
