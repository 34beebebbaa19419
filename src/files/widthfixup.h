#pragma once

#include <QStringList>
#include <QVector>

// Brings every line to 48 characters: short lines are filled with blanks,
// long ones cut. A long comment line goes on in further lines, each "//"
// and the next 46 characters, until all of it is kept.
// `fromLine`, when given, tells for each line made which line it came
// from (counted from 0).
QStringList fixLineWidths(const QStringList& lines, QVector<int>* fromLine = nullptr);
