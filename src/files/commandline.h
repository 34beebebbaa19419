#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

// The program's command line, without a window: --check and --normalize
// over build-list files, --help and --version. Runs under a
// QCoreApplication.
//
// Returns the exit code, or nothing when the arguments ask for the window:
// none of the program's options, or only Qt's own options for the window.
//   --check:     0 every file sound, 1 a problem found, 2 a file that Open
//                would refuse (the reason on err)
//   --normalize: 0 done, 2 a file refused or not written
// An option it does not know is reported on err with exit code 2.
std::optional<int> runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
