#include "files/widthfixup.h"
#include "buildlist/lineformat.h"

QStringList fixLineWidths(const QStringList& lines, QVector<int>* fromLine)
{
    QStringList out;
    out.reserve(lines.size());
    int source = -1;
    auto keep = [&] {
        if (fromLine)
            fromLine->resize(out.size(), source);
    };
    for (const QString& original : lines) {
        ++source;
        if (original.size() <= kLineLength) {
            out.append(original.leftJustified(kLineLength, QLatin1Char(' ')));
            keep();
            continue;
        }
        out.append(original.left(kLineLength));
        // A long item line keeps its first 48 only; a long comment goes on
        // over lines of "//" and the next 46 characters, read where they
        // stand rather than copied again for every line.
        if (original.startsWith(QLatin1Char('/'))) {
            constexpr qsizetype kCarried = kLineLength - 2;
            qsizetype at = kLineLength;
            for (; original.size() - at > kCarried; at += kCarried)
                out.append(QStringLiteral("//") + original.mid(at, kCarried));
            if (at < original.size())
                out.append(
                    (QStringLiteral("//") + original.mid(at)).leftJustified(kLineLength, QLatin1Char(' ')));
        }
        keep();
    }
    return out;
}
