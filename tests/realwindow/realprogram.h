#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// A window manager on the test's display for as long as it lives, as a
// user's desktop has one: it frames, places and focuses the windows.
class WindowManager {
public:
    explicit WindowManager(const QString& program = QStringLiteral("openbox"));
    ~WindowManager();
    // Starts it and waits until it manages the screen. False, with the
    // reason in error(), otherwise.
    bool start();
    QString error() const { return error_; }

private:
    QProcess process_;
    QTemporaryDir config_;
    QProcess dragSource_;
    QString error_;
};

// The editor as a user runs it: the real program on the test's X display
// (xcb), with its real dialogs and its real end, driven through the window
// system with XTest (xdotool) and read back from the window system and the
// files it writes.
class RealProgram {
public:
    RealProgram();
    ~RealProgram();

    // Another build of the program (an installed one), its arguments, and an
    // environment value of its own; all before start().
    void setProgram(const QString& program) { process_.setProgram(program); }
    void setArguments(const QStringList& arguments) { process_.setArguments(arguments); }
    void setEnvironmentValue(const QString& name, const QString& value);
    // A module loaded into the program before its libraries (LD_PRELOAD),
    // under AddressSanitizer too.
    void preload(const QString& module);

    // Starts the program and waits until its main window is mapped and
    // holds the keyboard. False, with the reason in error(), otherwise.
    bool start();
    QString error() const { return error_; }

    // A folder of the program's own, its working folder.
    QString path(const QString& name) const { return work_.filePath(name); }
    // The program's settings file, in a folder of its own.
    QString settingsFile() const { return config_.filePath(QStringLiteral("vexdit/vexdit.conf")); }

    // Keys as xdotool names them ("ctrl+x", "Return"), to whatever window
    // holds the keyboard; text typed character by character.
    void key(const QString& keys);
    // The same, held down for a while as a person does, so that the release
    // goes wherever the press has moved the keyboard.
    void keyHeld(const QString& keys, int holdMs = 150);
    void type(const QString& text);
    // A left click at a point of the main window's client area (below the
    // menu bar), in the window's own pixels.
    void click(int x, int y);
    void doubleClick(int x, int y);
    // Presses the left button at one point, moves in steps to the other and
    // releases it there, all in the main window's client area.
    // `keysMidway`, when given, are pressed halfway, the button still held.
    void drag(int fromX, int fromY, int toX, int toY, const QString& keysMidway = QString());
    // A button pressed at a point of the main window's client area, the
    // pointer moved to a point of the screen, the button released there.
    void pressAt(int x, int y, int button);
    void moveOnScreen(const QPoint& point);
    // Starts `dragSource` (a program whose window, at the screen's top
    // left, drags its arguments when pressed and which ends when its input
    // closes), drags from it to the middle of the main window and drops
    // there. The source stays until the next drop or the end of the test.
    bool dropFromAnotherProgram(const QString& dragSource, const QStringList& arguments);
    void release(int button);
    // Where the program's open menu is on the screen; empty when none is.
    QRect menuOnScreen() const;
    // Where a window of the program's, by its title, is on the screen.
    QRect windowOnScreen(const QString& title) const;
    // The same with the frame a window manager drew around it (its
    // _NET_FRAME_EXTENTS); the window alone where there is none.
    QRect frameOnScreen(const QString& title) const;
    // A click at a point of another of the program's windows, by its title.
    void clickIn(const QString& title, int x, int y);
    // What a window manager does when the user clicks a window: it gets the
    // keyboard.
    void focusMainWindow();
    // The same for another of its windows, by its title, once it is mapped.
    void focusWindow(const QString& title);
    // The close request a window manager sends (WM_DELETE_WINDOW).
    void requestClose();

    // Titles of the program's mapped windows.
    QStringList windowTitles() const;
    int windowCount(const QString& title) const { return int(windowTitles().count(title)); }
    // Polls until a window with this title is mapped and holds the keyboard
    // (or, for the second, until none is mapped and the keyboard is back in
    // one of the program's windows), as a person waits before typing on.
    // False on timeout.
    bool waitForWindow(const QString& title, int timeoutMs = 5000);
    // Whether a window with this title is mapped within the time, held
    // keyboard or not: for what must not appear.
    bool showsWithin(const QString& title, int timeoutMs);
    // The id of a mapped window with this title, and of the window that
    // holds the keyboard.
    QString windowId(const QString& title) const;
    QString focusedWindow() const;
    bool waitForNoWindow(const QString& title, int timeoutMs = 5000);
    // Polls until the file holds other bytes than `before` (or exists).
    bool waitForFileChange(const QString& file, const QByteArray& before, int timeoutMs = 5000) const;

    bool isRunning();
    // Polls until the process ends; while waiting, a window with the title
    // `mustNotAppear` fails the wait and is reported in error().
    bool waitForEnd(int timeoutMs, const QString& mustNotAppear = QString());
    int exitCode() const { return process_.exitCode(); }

    // What the program wrote on its error stream, less the lines that come
    // from the test machine rather than from the program.
    // The program's own diagnostics ("vexdit.files: ...", printed only when
    // asked for) are not among them; programFilesLines() has those.
    QStringList unexpectedErrorLines();
    QStringList programFilesLines();

private:
    bool launch();
    QRect frameOf(const QString& id) const;
    QString xdotool(const QStringList& args) const;
    QString focusedTitle() const;
    QRect geometryOf(const QString& id) const;
    void endDragSource();
    // Presses the left button where `moveTo(0, steps)` puts the pointer,
    // moves it step by step to `moveTo(steps, steps)` and releases it there;
    // `keysMidway` pressed halfway.
    void dragInSteps(const std::function<void(int step, int steps)>& moveTo, const QString& keysMidway = {});
    void moveTo(int x, int y);
    QTemporaryDir work_;
    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QProcess dragSource_;
    QProcess process_;
    QString mainWindow_;
    int menuHeight_ = 0;
    QString error_;
    QByteArray stderr_;
};
