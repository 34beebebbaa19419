#include "about/window/helpviewer.h"
#include "app/window/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

QString helpDocumentFor(const QString& helpFile)
{
    return findBesideProgram(QFileInfo(helpFile).completeBaseName() + QStringLiteral(".html"));
}

bool showHelpContents(const QString& helpFile)
{
    const QString document = helpDocumentFor(helpFile);
    if (document.isEmpty())
        return false;
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("Help"));
        window->setOpenExternalLinks(true);
        window->resize(620, 520);
    }
    window->setSource(QUrl::fromLocalFile(document));
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}
