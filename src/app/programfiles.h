#pragma once

#include <QFont>
#include <QString>

// A file the program names without a folder (the sound, the help
// document): looked for in the working folder, then beside the program.
// Empty when it is in neither.
QString findBesideProgram(const QString& fileName);

// The windows' dialog font, "MS Sans Serif" at 11 pixels, and the
// fixed-pitch "Courier New" of the build-list controls, each with a
// stand-in where the font is missing.
QFont dialogFont();
QFont fixedPitchFont(bool bold);
