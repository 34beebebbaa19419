// Start-up and memory probe of the editor: the program's own start-up, in
// German, ending as soon as the main window is shown; or an Open of a file,
// reporting the peak memory afterwards.
#include "autodialogs.h"
#include "probecommon.h"

#include "app/mainwindow.h"
#include "app/startup.h"
#include "files/window/filecommands.h"
#include "language/translations.h"
#include "support/controls.h"
#include "widgets/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <optional>

int main(int argc, char** argv)
{
    // As the program starts: the command line read without a window, and
    // the translations loaded there (German, the one the program has).
    std::optional<Translations> translations;
    {
        QCoreApplication core(argc, argv);
        translations.emplace(QLocale(QStringLiteral("de")), QStringLiteral(VEXDIT_TRANSLATIONS_DIR),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (translations->language().isEmpty())
        return 2; // no translation to load: the figure would not hold one
    QApplication qtApp(argc, argv);
    translations->install();
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
