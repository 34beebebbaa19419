#include "app/startup.h"

#include "app/focusreturn.h"
#include "app/mainwindow.h"
#include "app/qtdialogservice.h"
#include "app/screenreaderinterfaces.h"
#include "files/commandline.h"
#include "language/translations.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "widgets/application.h"
#include "widgets/programfiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <optional>
#include <unistd.h>

namespace {

// The last line of defence: nothing thrown may cross the event loop.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    Application* app = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        bool result = false;
        if (app)
            app->guard([&] { result = QApplication::notify(receiver, event); });
        else
            result = QApplication::notify(receiver, event);
        return result;
    }
};

} // namespace

Windows::Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows& Windows::operator=(Windows&&) noexcept = default;
Windows::~Windows() = default;

namespace {

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace

// The name and version that --version and the command line's messages
// show; the window keeps the application title as its name.
static void setProgramIdentity(const QString& name)
{
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXDIT_VERSION));
}

Windows createWindows(Application& app)
{
    installScreenReaderInterfaces(); // before the first window asks for one
    Windows windows;
    windows.mainWindow = std::make_unique<MainWindow>(app);
    MainWindow& main = *windows.mainWindow;
    windows.countWindow = std::make_unique<CountWindow>(main.catalog(), main.document(), app);
    // A tool window of the main window's, which keeps it above itself.
    windows.checkOrderWindow =
        std::make_unique<CheckOrderWindow>(main.catalog(), main.document(), app, &main);
    main.setCompanions(windows.countWindow.get(), windows.checkOrderWindow.get());
    // The main and Count windows open centred on the screen; the About box
    // centres over the main window by itself, Check Order opens beside it.
    centreOnScreen(windows.mainWindow.get());
    centreOnScreen(windows.countWindow.get());
    return windows;
}

// The command line's answer, with the program's own name in its messages.
static CommandLineOutcome readCommandLine(int argc, char** argv, bool windowSystemPresent)
{
    setProgramIdentity(QStringLiteral("vexdit"));
    QFile standardOutput;
    standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    if (const std::optional<QString> name = firstUnfaithfulArgument(argc, argv)) {
        err << QCoreApplication::applicationName() << ": "
            << QCoreApplication::translate(
                   "CommandLine",
                   "%1: the name is not valid in this system's character encoding; rename the file")
                   .arg(*name)
            << Qt::endl;
        return {2, QString()};
    }
    CommandLineOutcome outcome = runCommandLine(QCoreApplication::arguments(), out, err, windowSystemPresent);
    if (outcome.exitCode)
        outcome.exitCode = finishOutput(*outcome.exitCode, out, err);
    return outcome;
}

// Without a display Qt would abort: one line says why instead.
static bool mayOpenWindow(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (canOpenWindow(arguments, QProcessEnvironment::systemEnvironment()))
        return true;
    QTextStream(stderr) << QCoreApplication::applicationName() << ": "
                        << QCoreApplication::translate(
                               "CommandLine",
                               "cannot open a window: no display; --check and --normalize need none")
                        << Qt::endl;
    return false;
}

int runProgram(int argc, char** argv)
{
    std::optional<Translations> translations;
    // The command-line road, without a window or a display; it goes on
    // when the arguments ask for the window.
    {
        QCoreApplication core(argc, argv);
        setProgramIdentity(QStringLiteral("vexdit"));
        translations.emplace(QLocale(), translationsFolder(),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        translations->install();
        if (argc > 1) {
            if (const std::optional<int> code = readCommandLine(argc, argv, false).exitCode)
                return *code;
        }
        if (!mayOpenWindow(argc, argv))
            return 2;
    }
    // Before the application exists, so that it too is read as the
    // program describes itself.
    installScreenReaderInterfaces();
    GuardedApplication qtApp(argc, argv);
    translations->install();
    // Desktop shells match the window to its launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VEXDIT_APP_ID));
    QtDialogService dialogs;
    Application app(dialogs);
    // The window system has taken its own options out by now; what is left
    // may still be wrong, or name the file to open.
    const CommandLineOutcome outcome = readCommandLine(argc, argv, true);
    if (outcome.exitCode)
        return *outcome.exitCode;
    // "-" is standard input, as for --check: read whole before the window
    // shows, and refused the GNU way.
    std::optional<ReadOutcome> standardInput;
    if (outcome.fileToOpen == QLatin1String("-")) {
        standardInput = readStandardInput();
        if (!standardInput->text) {
            QTextStream(stderr) << QCoreApplication::applicationName() << ": -: " << reasonFor(*standardInput)
                                << Qt::endl;
            return 2;
        }
    }
    setProgramIdentity(app.title());
    qtApp.app = &app;
    QApplication::setQuitOnLastWindowClosed(false);
    // Ends the loop without asking the windows to close: the Exit guard has
    // already put its question, and quit() would put it again.
    QObject::connect(&app, &Application::terminating, [] { QCoreApplication::exit(0); });

    Windows windows;
    try {
        windows = createWindows(app);
    } catch (const std::exception& error) {
        app.showException(error);
        return 0;
    }
    new FocusReturn(windows.mainWindow.get());
    windows.mainWindow->show();
    if (standardInput) {
        QTimer::singleShot(0, windows.mainWindow.get(),
                           [&app, form = windows.mainWindow.get(), text = *standardInput->text] {
                               app.guard([&] { form->openStandardInput(text); });
                           });
    } else if (!outcome.fileToOpen.isEmpty()) {
        // Once the window is up, as if the file had been chosen in Open's dialog.
        QTimer::singleShot(
            0, windows.mainWindow.get(),
            [&app, form = windows.mainWindow.get(), file = outcome.fileToOpen, line = outcome.lineToShow] {
                app.guard([&] { form->openNamedFile(file, line); });
            });
    }
    QApplication::exec();
    qtApp.app = nullptr;
    return 0;
}
