#pragma once

#include <QStringList>

// The comment a count leaves: "//", the searched text without its outer
// blanks and control characters, a blank, the sum; then blanks to 48
// characters, or one blank when the line is already that long.
QString countComment(const QString& searched, int sum);

// Adds the line's quantity to sum when the line contains the searched text
// (case sensitive; an empty text matches nothing). Throws ConvertError when
// that quantity does not convert.
void countLine(QStringView line, const QString& searched, int& sum);
