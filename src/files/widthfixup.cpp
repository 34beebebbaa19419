#include "files/widthfixup.h"
#include "buildlist/lineformat.h"

QStringList fixLineWidths(const QStringList& lines)
{
    QStringList out;
    out.reserve(lines.size());
    for (const QString& original : lines) {
        if (original.size() == kLineLength) {
            out.append(original);
            continue;
        }
        QString line = original;
        bool cutOff = false;
        while (line.size() > kLineLength) {
            out.append(line.left(kLineLength));
            if (!line.startsWith(QLatin1Char('/'))) {
                cutOff = true; // a long item line keeps its first 48 only
                break;
            }
            line = QStringLiteral("//") + line.mid(kLineLength);
        }
        if (!cutOff)
            out.append(line.leftJustified(kLineLength, QLatin1Char(' ')));
    }
    return out;
}
