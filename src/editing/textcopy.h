#pragma once

#include <QStringList>

// Text to lines: splits at CR LF, lone CR and lone LF. A break at the very
// end adds no empty line, and an empty text gives no lines.
QStringList splitLines(const QString& text);

// Lines to text: every line followed by CR LF.
QString joinLines(const QStringList& lines);
