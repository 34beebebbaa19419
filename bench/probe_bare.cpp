// The floor for the probes: a bare main window, and a bare text edit that
// holds the same text as the editor after Open.
#include "probecommon.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--rss") {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QPlainTextEdit edit;
        edit.show();
        edit.setPlainText(QString::fromLatin1(file.readAll()));
        QApplication::processEvents();
        printPeakMemory();
        return 0;
    }
    QMainWindow window;
    // --text: the same window with one label, so that it loads the font
    // database as every window with text must.
    if (argc > 1 && QByteArray(argv[1]) == "--text")
        window.setCentralWidget(new QLabel(QStringLiteral("text")));
    window.show();
    QTimer::singleShot(0, &qtApp, &QCoreApplication::quit);
    return QApplication::exec();
}
