// Start-up and memory probe of the editor: the program's own start-up,
// ending as soon as the main window is shown; or an Open of a file,
// reporting the peak memory afterwards.
#include "autodialogs.h"
#include "probecommon.h"

#include "app/mainwindow.h"
#include "app/startup.h"
#include "files/window/filecommands.h"
#include "support/controls.h"
#include "widgets/application.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    AutoDialogs dialogs;
    Application app(dialogs);
    Windows windows = createWindows(app);
    if (argc > 2 && QByteArray(argv[1]) == "--rss") {
        dialogs.openPath = QString::fromLocal8Bit(argv[2]);
        windows.mainWindow->show();
        ui(*windows.mainWindow).files->openFromDialog();
        QApplication::processEvents();
        printPeakMemory();
        return 0;
    }
    windows.mainWindow->show();
    QTimer::singleShot(0, &qtApp, &QCoreApplication::quit);
    return QApplication::exec();
}
