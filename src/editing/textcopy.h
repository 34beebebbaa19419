#pragma once

#include <QStringList>

// Text to lines: splits at CR LF, lone CR and lone LF. A break at the very
// end adds no empty line, and an empty text gives no lines.
QStringList splitLines(const QString& text);

// Lines to text: every line followed by the break (CR LF unless another is
// given), the last one without it when finalBreak is false.
QString joinLines(const QStringList& lines, QStringView lineBreak = u"\r\n", bool finalBreak = true);
