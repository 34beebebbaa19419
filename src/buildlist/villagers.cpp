#include "buildlist/villagers.h"
#include "buildlist/lineformat.h"
#include "buildlist/textsearch.h"

bool isVillagerLine(QStringView line)
{
    return !isCommentLine(line) && line.contains(QLatin1String("Villager"));
}

void addVillagerLine(QStringView line, int& total)
{
    if (isVillagerLine(line))
        total += readQuantity(line);
}

void addVillagerLines(const QStringList& lines, int& total)
{
    // Only a line with a 'V' can hold "Villager": a search for one
    // character reads the whole list nearly as fast as one long text.
    for (qsizetype row = 0; row < lines.size(); ++row) {
        MultiTextSearch::prefetch(lines, row);
        const QString& line = lines.at(row);
        for (qsizetype at = line.indexOf(QLatin1Char('V')); at >= 0;
             at = line.indexOf(QLatin1Char('V'), at + 1)) {
            if (QStringView(line).sliced(at).startsWith(u"Villager")) {
                if (!isCommentLine(line))
                    total += readQuantity(line);
                break;
            }
        }
    }
}
