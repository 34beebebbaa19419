#include "realprogram.h"

#include <QRect>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

#include <X11/Xlib.h>

namespace {

constexpr int kPollMs = 50;
constexpr int kClientHeight = 400; // the main window below its menu bar

// Lines that the test machine, not the program, puts on the error stream.
// This is the one list of them.
const QStringList& machineLines()
{
    static const QStringList lines = {
        // No sound server: Qt Multimedia says so when the refusal sound plays.
        QStringLiteral("PulseAudioService: pa_context_connect() failed"),
        QStringLiteral("No audio device detected"),
    };
    return lines;
}

template <class Ready> bool pollUntil(int timeoutMs, Ready ready)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (ready())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
}

// A title as an extended POSIX expression (xdotool's) that matches it
// alone. Qt's escaping would not do: "\'" ends the text in GNU's.
QString posixEscaped(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (QStringView(u".[]{}()\\*+?|^$").contains(c))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

} // namespace

RealProgram::RealProgram()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // A runtime folder of its own, so Qt has nothing to say about a missing one.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    env.remove(QStringLiteral("SESSION_MANAGER"));
    // The sources' English, whatever the machine's language; a test may ask
    // for another.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    // Under AddressSanitizer: the X keyboard library copies names with
    // strndup() from buffers that hold no final NUL, which is allowed but
    // which strict string checks take for an overflow.
    QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty()) {
        asan.replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan);
        env.insert(QStringLiteral("LSAN_OPTIONS"),
                   QStringLiteral("suppressions=" VEXDIT_LSAN_SYSTEM ":print_suppressions=0"));
    }
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(work_.path());
    process_.setProgram(QStringLiteral(VEXDIT_PROGRAM));
}

RealProgram::~RealProgram()
{
    endDragSource();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

// The X server on a test machine now and then refuses a connection outright
// (a few in a hundred, seen with any client); a client that could not
// connect has done nothing yet, so it is simply started again.
constexpr int kConnectAttempts = 10;

bool refusedByTheServer(const QByteArray& errors)
{
    return errors.contains("Can't open display") || errors.contains("could not connect to display");
}

QString RealProgram::xdotool(const QStringList& args) const
{
    for (int attempt = 1;; ++attempt) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), args);
        tool.waitForFinished(10000);
        if (attempt < kConnectAttempts && refusedByTheServer(tool.readAllStandardError())) {
            QThread::msleep(kPollMs);
            continue;
        }
        return QString::fromLocal8Bit(tool.readAllStandardOutput());
    }
}

bool RealProgram::launch()
{
    process_.start();
    if (!process_.waitForStarted(10000)) {
        error_ = QStringLiteral("the program did not start: ") + process_.errorString();
        return false;
    }
    return true;
}

bool RealProgram::start()
{
    if (!launch())
        return false;
    int attempts = 1;
    const bool shown = pollUntil(15000, [&] {
        if (!isRunning()) {
            const QByteArray errors = process_.readAllStandardError();
            // A connection the server drops during its set-up ends the
            // client by SIGPIPE before it can say anything.
            const bool droppedAtConnect = process_.exitStatus() == QProcess::CrashExit
                                          && process_.exitCode() == SIGPIPE && errors.isEmpty();
            if (attempts < kConnectAttempts && (refusedByTheServer(errors) || droppedAtConnect)) {
                ++attempts;
                return !launch();
            }
            stderr_ += errors;
            return true; // it ended for a reason of its own
        }
        mainWindow_ =
            xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(process_.processId()),
                     "--name", "^Brindlecap's Vex AI Editor $"})
                .section(QLatin1Char('\n'), 0, 0)
                .trimmed();
        return !mainWindow_.isEmpty();
    });
    if (!shown || mainWindow_.isEmpty()) {
        error_ = QStringLiteral("no main window appeared (%1); it wrote: %2")
                     .arg(isRunning() ? QStringLiteral("running")
                                      : QStringLiteral("%1 %2")
                                            .arg(process_.exitStatus() == QProcess::CrashExit
                                                     ? QStringLiteral("killed by signal")
                                                     : QStringLiteral("ended with"))
                                            .arg(process_.exitCode()),
                          unexpectedErrorLines().join(QLatin1Char('\n')));
        return false;
    }
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)"))
                                             .match(xdotool({"getwindowgeometry", mainWindow_}));
    menuHeight_ = size.captured(2).toInt() - kClientHeight;
    // No window manager hands out the keyboard here; the test does, once.
    xdotool({"windowfocus", "--sync", mainWindow_});
    return true;
}

void RealProgram::key(const QString& keys)
{
    xdotool({"key", "--clearmodifiers", keys});
}

void RealProgram::keyHeld(const QString& keys, int holdMs)
{
    xdotool({"keydown", "--clearmodifiers", keys});
    QThread::msleep(holdMs);
    xdotool({"keyup", keys});
}

void RealProgram::type(const QString& text)
{
    xdotool({"type", "--clearmodifiers", "--delay", "5", text});
}

void RealProgram::click(int x, int y)
{
    xdotool({"mousemove", "--window", mainWindow_, QString::number(x), QString::number(y + menuHeight_),
             "click", "1"});
}

void RealProgram::moveTo(int x, int y)
{
    xdotool({"mousemove", "--window", mainWindow_, QString::number(x), QString::number(y + menuHeight_)});
}

void RealProgram::pressAt(int x, int y, int button)
{
    // Longer than a double-click takes, as for a drag.
    QThread::msleep(600);
    moveTo(x, y);
    xdotool({"mousedown", QString::number(button)});
}

void RealProgram::moveOnScreen(const QPoint& point)
{
    xdotool({"mousemove", QString::number(point.x()), QString::number(point.y())});
}

void RealProgram::release(int button)
{
    QThread::msleep(50);
    xdotool({"mouseup", QString::number(button)});
}

QRect RealProgram::geometryOf(const QString& id) const
{
    QRect rect;
    if (id.isEmpty())
        return rect;
    for (const QString& line : xdotool({"getwindowgeometry", "--shell", id}).split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith("X="))
            rect.moveLeft(value);
        else if (line.startsWith("Y="))
            rect.moveTop(value);
        else if (line.startsWith("WIDTH="))
            rect.setWidth(value);
        else if (line.startsWith("HEIGHT="))
            rect.setHeight(value);
    }
    return rect;
}

QRect RealProgram::menuOnScreen() const
{
    // A popup menu is a window of the program's class with no name of its
    // own; the program is the only one on its display.
    const QStringList named = xdotool({"search", "--onlyvisible", "--name", "."}).split(QLatin1Char('\n'));
    QString id;
    for (const QString& window : xdotool({"search", "--onlyvisible", "--class", "^QZ Vex AI File Editor$"})
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!named.contains(window))
            id = window;
    return geometryOf(id);
}

QRect RealProgram::windowOnScreen(const QString& title) const
{
    return geometryOf(windowId(title));
}

QRect RealProgram::frameOnScreen(const QString& title) const
{
    return frameOf(windowId(title));
}

QRect RealProgram::frameOf(const QString& id) const
{
    Display* display = nullptr;
    for (int attempt = 0; !display && attempt < kConnectAttempts; ++attempt)
        display = XOpenDisplay(nullptr);
    if (!display || id.isEmpty()) {
        if (display)
            XCloseDisplay(display);
        return QRect();
    }
    const Window window = Window(id.toULong());
    QRect rect;
    XWindowAttributes attributes;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (XGetWindowAttributes(display, window, &attributes)
        && XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child))
        rect = QRect(x, y, attributes.width, attributes.height);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    if (rect.isValid()
        && XGetWindowProperty(display, window, extents, 0, 4, False, AnyPropertyType, &type, &format, &count,
                              &after, &data)
               == Success
        && data && format == 32 && count == 4) {
        const long* sides = reinterpret_cast<const long*>(data); // left, right, top, bottom
        rect.adjust(-int(sides[0]), -int(sides[2]), int(sides[1]), int(sides[3]));
    }
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return rect;
}

WindowManager::WindowManager(const QString& program)
{
    process_.setProgram(program);
    // Its own settings, none of the machine user's; no session manager.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    env.remove(QStringLiteral("SESSION_MANAGER"));
    // The sources' English, whatever the machine's language; a test may ask
    // for another.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    process_.setProcessEnvironment(env);
    process_.setArguments({QStringLiteral("--sm-disable")});
    // What it says (a menu file it misses, say) is the machine's business.
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
}

WindowManager::~WindowManager()
{
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool WindowManager::start()
{
    process_.start();
    if (!process_.waitForStarted(10000)) {
        error_ = process_.program() + QStringLiteral(" did not start: ") + process_.errorString();
        return false;
    }
    // It manages the screen once the root window names its check window.
    Display* display = nullptr;
    for (int attempt = 0; !display && attempt < kConnectAttempts; ++attempt)
        display = XOpenDisplay(nullptr);
    if (!display) {
        error_ = QStringLiteral("no display");
        return false;
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const bool managing = pollUntil(10000, [&] {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                              AnyPropertyType, &type, &format, &count, &after, &data)
                               == Success
                           && count == 1;
        if (data)
            XFree(data);
        process_.waitForFinished(0); // no event loop: the state is brought up to date by asking
        return found || process_.state() == QProcess::NotRunning;
    });
    XCloseDisplay(display);
    if (!managing || process_.state() == QProcess::NotRunning) {
        error_ = process_.program() + QStringLiteral(" does not manage the screen");
        return false;
    }
    return true;
}

void RealProgram::doubleClick(int x, int y)
{
    moveTo(x, y);
    xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
}

void RealProgram::dragInSteps(const std::function<void(int step, int steps)>& moveTo,
                              const QString& keysMidway)
{
    constexpr int kSteps = 8;
    moveTo(0, kSteps);
    xdotool({"mousedown", "1"});
    for (int step = 1; step <= kSteps; ++step) {
        QThread::msleep(20);
        moveTo(step, kSteps);
        if (step == kSteps / 2 && !keysMidway.isEmpty()) {
            // Without clearing modifiers, which would let go of the button.
            xdotool({"key", keysMidway});
            QThread::msleep(100);
        }
    }
    QThread::msleep(50);
    xdotool({"mouseup", "1"});
}

void RealProgram::drag(int fromX, int fromY, int toX, int toY, const QString& keysMidway)
{
    // Longer than a double-click takes, so that the press is not taken for
    // a click that belongs to one before.
    QThread::msleep(600);
    dragInSteps(
        [&](int step, int steps) {
            moveTo(fromX + (toX - fromX) * step / steps, fromY + (toY - fromY) * step / steps);
        },
        keysMidway);
}

void RealProgram::endDragSource()
{
    if (dragSource_.state() == QProcess::NotRunning)
        return;
    dragSource_.closeWriteChannel();
    if (!dragSource_.waitForFinished(10000)) {
        dragSource_.kill();
        dragSource_.waitForFinished(3000);
    }
}

bool RealProgram::dropFromAnotherProgram(const QString& dragSource, const QStringList& arguments)
{
    endDragSource();
    dragSource_.setProgram(dragSource);
    dragSource_.setArguments(arguments);
    dragSource_.setProcessEnvironment(process_.processEnvironment());
    dragSource_.start();
    // Its pid is known once it has started; before, a search by pid 0
    // would find other windows.
    const bool shown =
        dragSource_.waitForStarted(10000) && pollUntil(10000, [&] {
            return !xdotool({"search", "--onlyvisible", "--pid", QString::number(dragSource_.processId()),
                             "--name", "^Drag Source$"})
                        .trimmed()
                        .isEmpty();
        });
    if (!shown)
        return false;
    const QPoint from(60, 60);
    const QPoint to = windowOnScreen(QStringLiteral("Brindlecap's Vex AI Editor ")).center();
    dragInSteps([&](int step, int steps) { moveOnScreen(from + (to - from) * step / steps); });
    return dragSource_.state() == QProcess::Running;
}

QString RealProgram::windowId(const QString& title) const
{
    return xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(process_.processId()),
                    "--name", QStringLiteral("^%1$").arg(posixEscaped(title))})
        .section(QLatin1Char('\n'), 0, 0)
        .trimmed();
}

void RealProgram::clickIn(const QString& title, int x, int y)
{
    xdotool({"mousemove", "--window", windowId(title), QString::number(x), QString::number(y), "click", "1"});
}

void RealProgram::focusMainWindow()
{
    xdotool({"windowfocus", "--sync", mainWindow_});
}

void RealProgram::focusWindow(const QString& title)
{
    const QString id = windowId(title);
    if (!id.isEmpty())
        xdotool({"windowfocus", "--sync", id});
}

void RealProgram::requestClose()
{
    Display* display = nullptr;
    for (int attempt = 0; !display && attempt < kConnectAttempts; ++attempt)
        display = XOpenDisplay(nullptr);
    if (!display)
        return;
    XEvent message = {};
    message.xclient.type = ClientMessage;
    message.xclient.window = Window(mainWindow_.toULong());
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, message.xclient.window, False, NoEventMask, &message);
    XCloseDisplay(display);
}

QStringList RealProgram::windowTitles() const
{
    const QString titles =
        xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(process_.processId()), "--name",
                 ".*", "getwindowname", "%@"});
    return titles.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString RealProgram::focusedWindow() const
{
    return xdotool({"getwindowfocus"}).trimmed();
}

bool RealProgram::showsWithin(const QString& title, int timeoutMs)
{
    return pollUntil(timeoutMs, [&] { return windowTitles().contains(title); });
}

QString RealProgram::focusedTitle() const
{
    const QString focused = focusedWindow();
    return focused.isEmpty() ? QString()
                             : xdotool({"getwindowname", focused}).section(QLatin1Char('\n'), 0, 0);
}

bool RealProgram::waitForWindow(const QString& title, int timeoutMs)
{
    return pollUntil(timeoutMs, [&] { return windowTitles().contains(title) && focusedTitle() == title; });
}

bool RealProgram::waitForNoWindow(const QString& title, int timeoutMs)
{
    return pollUntil(timeoutMs, [&] {
        if (!isRunning())
            return true;
        const QStringList titles = windowTitles();
        return !titles.contains(title) && titles.contains(focusedTitle());
    });
}

bool RealProgram::waitForFileChange(const QString& file, const QByteArray& before, int timeoutMs) const
{
    return pollUntil(timeoutMs, [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) && f.readAll() != before;
    });
}

bool RealProgram::isRunning()
{
    // There is no event loop here: the state is brought up to date by asking.
    process_.waitForFinished(0);
    return process_.state() != QProcess::NotRunning;
}

bool RealProgram::waitForEnd(int timeoutMs, const QString& mustNotAppear)
{
    bool appeared = false;
    const bool ended = pollUntil(timeoutMs, [&] {
        if (!isRunning())
            return true;
        appeared = !mustNotAppear.isEmpty() && windowTitles().contains(mustNotAppear);
        return appeared;
    });
    if (appeared) {
        error_ = QStringLiteral("\"%1\" appeared again").arg(mustNotAppear);
        return false;
    }
    if (!ended)
        error_ = QStringLiteral("the program did not end");
    return ended;
}

void RealProgram::setEnvironmentValue(const QString& name, const QString& value)
{
    QProcessEnvironment env = process_.processEnvironment();
    env.insert(name, value);
    process_.setProcessEnvironment(env);
}

void RealProgram::preload(const QString& module)
{
    QProcessEnvironment env = process_.processEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), module);
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty()) // the sanitizer's library is then no longer the first
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral(":verify_asan_link_order=0"));
    process_.setProcessEnvironment(env);
}

namespace {
const QString kProgramFilesPrefix = QStringLiteral("vexdit.files: ");
}

QStringList RealProgram::unexpectedErrorLines()
{
    process_.waitForReadyRead(0);
    stderr_ += process_.readAllStandardError();
    QStringList unexpected;
    for (const QString& line : QString::fromLocal8Bit(stderr_).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!machineLines().contains(line) && !line.startsWith(kProgramFilesPrefix))
            unexpected.append(line);
    return unexpected;
}

QStringList RealProgram::programFilesLines()
{
    unexpectedErrorLines(); // reads what has come
    QStringList lines;
    for (const QString& line : QString::fromLocal8Bit(stderr_).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (line.startsWith(kProgramFilesPrefix))
            lines.append(line.mid(kProgramFilesPrefix.size()));
    return lines;
}
