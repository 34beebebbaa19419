#include "editing/textcopy.h"

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString joinLines(const QStringList& lines, QStringView lineBreak, bool finalBreak)
{
    QString text;
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + lineBreak.size();
    text.reserve(size);
    for (const QString& l : lines) {
        text.append(l);
        text.append(lineBreak);
    }
    if (!finalBreak && !lines.isEmpty())
        text.chop(lineBreak.size());
    return text;
}
