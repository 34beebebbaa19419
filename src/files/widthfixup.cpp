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
        if (original.size() == kLineLength) {
            out.append(original);
            keep();
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
        keep();
    }
    return out;
}
