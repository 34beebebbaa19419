#include "buildlistgen.h"

#include "buildlist/lineformat.h"
#include "catalog/catalog.h"

#include <random>

QByteArray generateBuildList(int lines, unsigned seed)
{
    Catalog catalog;
    catalog.fill();
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };

    QByteArray out;
    out.reserve(qsizetype(lines) * 50);
    out += QByteArray(kStartingLine) + "\r\n";
    for (int i = 1; i < lines; ++i) {
        const int roll = pick(100);
        QString line;
        if (roll < 12) {
            line = QStringLiteral("// step %1: build up").arg(i).leftJustified(kLineLength);
        } else if (roll < 13) {
            line = QStringLiteral("// a long note that goes on past the 48th column, step %1").arg(i);
        } else {
            const Category c = roll < 60   ? Category::Units
                               : roll < 80 ? Category::Buildings
                                           : Category::Research;
            const bool ticked = pick(4) == 0;
            const CatalogEntry& e = catalog.row(c, pick(catalog.rowCount(c)));
            const QChar kind = kindLetter(c, ticked);
            line = composeItemLine(kind, e, QString::number(1 + pick(9)),
                                   hasLimitColumn(kind) ? QString::number(2 + pick(8)) : QString());
        }
        out += line.toLatin1() + "\r\n";
    }
    return out;
}
