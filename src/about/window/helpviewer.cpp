#include "about/window/helpviewer.h"
#include "about/window/helpwindow.h"
#include "widgets/programfiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

QString helpDocumentFor(const QString& helpFile)
{
    return findBesideProgram(QFileInfo(helpFile).completeBaseName() + QStringLiteral(".html"));
}

bool showHelpContents(const QString& helpFile)
{
    const QString document = helpDocumentFor(helpFile);
    if (document.isEmpty())
        return false;
    // The window Help was asked from, to open beside it.
    const QWidget* asking = QApplication::activeWindow();
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->showDocument(document, asking);
    return true;
}
