// What a screen reader says of the main window's own controls: the status
// panels, read as what they mean and heard again as they change.
#include "app/window/mainwindow.h"
#include "app/window/statuspanels.h"

void MainWindow::nameForScreenReaders()
{
    auto labelled = [](const QString& label, const QString& none) {
        return [=](const QString& text) { return label + (text.isEmpty() ? none : text); };
    };
    statusPanels->setPanelSpeech(int(Panel::File), labelled(tr("File: "), tr("none")),
                                 tr("The open file's name"));
    statusPanels->setPanelSpeech(int(Panel::Mode), labelled(tr("Mode: "), tr("Normal")),
                                 tr("Normal or Lines"));
    statusPanels->setPanelSpeech(int(Panel::Column), labelled(tr("Column: "), tr("none")),
                                 tr("The caret's column in the line"));
    statusPanels->setPanelSpeech(
        int(Panel::Marker),
        [saved = tr("Saved"), unsaved = tr("Unsaved changes")](const QString& text) {
            return text.isEmpty() ? saved : unsaved;
        },
        tr("Whether there is unsaved work"));
}
