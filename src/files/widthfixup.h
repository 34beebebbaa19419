#pragma once

#include <QStringList>

// Brings every line to 48 characters: short lines are filled with blanks,
// long ones cut. A long comment line goes on in further lines, each "//"
// and the next 46 characters, until all of it is kept.
QStringList fixLineWidths(const QStringList& lines);
