#pragma once

#include <QStringList>

// The comment a count leaves: "//", the searched text without its outer
// blanks and control characters, a blank, the sum; then blanks to 48
// characters, or one blank when the line is already that long.
QString countComment(const QString& searched, int sum);

// The sum of the quantities of the lines that contain the text (case
// sensitive; an empty text matches nothing). Throws ConvertError at the
// first matching line whose quantity does not convert.
int countQuantity(const QStringList& lines, const QString& searched);
