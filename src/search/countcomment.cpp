#include "search/countcomment.h"
#include "buildlist/lineformat.h"

namespace {

// Removes leading and trailing blanks and control characters.
QString trimmedControls(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 32)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(start, end - start);
}

} // namespace

QString countComment(const QString& searched, int sum)
{
    QString line = QStringLiteral("//") + trimmedControls(searched) + QLatin1Char(' ') + QString::number(sum);
    if (line.size() >= kLineLength)
        return line + QLatin1Char(' ');
    return line.leftJustified(kLineLength, QLatin1Char(' '));
}

void countLine(QStringView line, const QString& searched, int& sum)
{
    if (!searched.isEmpty() && line.contains(searched))
        sum += readQuantity(line);
}
