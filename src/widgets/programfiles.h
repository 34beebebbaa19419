#pragma once

#include <QFont>
#include <QLoggingCategory>
#include <QString>

// Where the program found its files ("vexdit.files"): off unless asked for,
// with QT_LOGGING_RULES="vexdit.files.debug=true".
Q_DECLARE_LOGGING_CATEGORY(programFilesLog)

// A file the program names without a folder (the sound, the help
// document): looked for in the working folder, then beside the program,
// then where the installed program keeps its data (share/vexdit, found
// from the program's own folder). Empty when it is in none.
QString findBesideProgram(const QString& fileName);

// Where the program's translations are: translations/ in the installed
// program's data folder, or beside a program that is not installed.
QString translationsFolder();

// A folder of the installed program, given relative to the program's own.
QString installedFolder(const char* fromProgram);

// The windows' dialog font, "MS Sans Serif" at 11 pixels, and the
// fixed-pitch "Courier New" of the build-list controls, each with a
// stand-in where the font is missing.
QFont dialogFont();
QFont fixedPitchFont(bool bold);
