#pragma once

#include "files/diskfile.h"

#include <QStringList>
#include <optional>

class QProcessEnvironment;
class QTextStream;

// The program's command line, without a window: --check and --normalize
// over build-list files, --help and --version. Runs under a
// QCoreApplication.
//
// The answer says either to end with an exit code, or to start the window,
// with at most one FILE to open in it.
//   --check:     0 every file sound, 1 a problem found, 2 a file that Open
//                would refuse (the reason on err)
//   --normalize: 0 done, 2 a file refused or not written
// An option it does not know, or more than one FILE for the window, is
// reported on err with exit code 2.
//
// The window's FILE may name a line to show, as editors and compilers
// write it: `+LINE FILE` or `FILE:LINE`, LINE counted from 1 as the file's
// own lines (as --check prints them). A file whose name is exactly what was
// written wins over reading a line number out of it.
struct CommandLineOutcome {
    std::optional<int> exitCode; // set: end here with it
    QString fileToOpen; // for the window: a FILE to open, or empty
    int lineToShow = 0; // the file's line to show, from 1; 0 for none
};
// `windowSystemPresent`: Qt's window options have already been taken out of
// the arguments. Before that, any of them (-platform, -display...) defers
// the decision to the window's start, where they are gone.
CommandLineOutcome runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                  bool windowSystemPresent = false);

// Ends a command-line run: a failed write to standard output (a full disk,
// a closed pipe) turns `code` into 2, with the system's reason on err. The
// output is best a QFile on the descriptor, which keeps that reason.
int finishOutput(int code, QTextStream& out, QTextStream& err);

// Whether a window could open: a display to open it on, or a window system
// that needs none. Without one, Qt would abort.
bool canOpenWindow(const QStringList& arguments, const QProcessEnvironment& environment);

// The first of the arguments whose bytes do not come back the same from
// text: a name in another character encoding, which as text would name
// another file. Such a name is refused rather than followed.
std::optional<QString> firstUnfaithfulArgument(int argc, const char* const* argv);

// Standard input, read as Open reads a file: at most 4 MiB, no NUL byte.
// The FILE "-" names it, for --check and --normalize and for the window.
ReadOutcome readStandardInput();
