#include "buildlist/ordercheck.h"
#include "buildlist/availability.h"
#include "buildlist/lineformat.h"
#include "buildlist/textsearch.h"
#include "editing/textcopy.h"

#include <algorithm>

namespace {

// A requirement text as the user knows it, where the catalog can tell:
// "B87" is the building numbered 87, "Age_Tool" the research item whose AI
// name holds it; anything else is quoted as it stands.
QString knownName(const Catalog& catalog, const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.size() > 1 && (wanted.startsWith(QLatin1Char('B')) || wanted.startsWith(QLatin1Char('A')))) {
        const QString number = wanted.mid(1).leftJustified(kNumberWidth, QLatin1Char(' '));
        if (const CatalogEntry* building = catalog.findByObjectNumber(Category::Buildings, number))
            return building->displayName.trimmed();
    }
    for (Category category : {Category::Research, Category::Buildings, Category::Units}) {
        for (int row = 0; row < catalog.rowCount(category); ++row) {
            const CatalogEntry& entry = catalog.row(category, row);
            const QString ai = entry.aiName.trimmed();
            if (ai == wanted || ai == QLatin1String("R_") + wanted)
                return entry.displayName.trimmed();
        }
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Where each line starts in the text of all lines joined by CR LF.
QVector<qsizetype> lineStarts(const QStringList& lines)
{
    QVector<qsizetype> starts;
    starts.reserve(lines.size() + 1);
    qsizetype at = 0;
    for (const QString& line : lines) {
        starts.append(at);
        at += line.size() + 2;
    }
    starts.append(at);
    return starts;
}

// The line (from 0) that holds the given offset.
int lineAt(const QVector<qsizetype>& starts, qsizetype offset)
{
    return int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
}

bool isStartingPoint(const CatalogEntry* entry, Category category, int index)
{
    return index == 0 && category == Category::Buildings
           && entry->aiName.trimmed() == QLatin1String("TownCenter");
}

} // namespace

QVector<OrderProblem> checkOrder(const Catalog& catalog, const QStringList& lines)
{
    struct Checked {
        int index;
        const CatalogEntry* entry;
        AvailabilityTexts texts;
        bool research;
    };
    QVector<Checked> checked;
    QStringList needles;
    for (int i = 0; i < lines.size(); ++i) {
        Category category;
        const CatalogEntry* entry = itemOfLine(catalog, lines.at(i), &category);
        if (!entry || isStartingPoint(entry, category, i))
            continue;
        const AvailabilityTexts texts = availabilityTexts(*entry, category);
        checked.append({i, entry, texts, category == Category::Research});
        needles << texts.building << texts.requirement1 << texts.requirement2 << texts.withheld;
    }

    const QString text = joinLines(lines);
    const QVector<qsizetype> ends = MultiTextSearch(needles).firstEnds(text);
    const QVector<qsizetype> starts = lineStarts(lines);

    QVector<OrderProblem> problems;
    for (int k = 0; k < checked.size(); ++k) {
        const Checked& c = checked.at(k);
        const qsizetype above = starts.at(c.index); // the text of the lines above ends here
        QStringList reasons;
        const QString needed[3] = {c.texts.building, c.texts.requirement1, c.texts.requirement2};
        for (int n = 0; n < 3; ++n) {
            const qsizetype end = ends.at(4 * k + n);
            if (end >= 0 && end <= above)
                continue;
            if (needed[n].trimmed().isEmpty()) {
                reasons << QStringLiteral("needs a line above it");
                continue;
            }
            const QString name = knownName(catalog, needed[n]);
            if (end < 0) {
                reasons << QStringLiteral("needs %1, which is nowhere in the list").arg(name);
            } else if (const int where = lineAt(starts, end - needed[n].size()); where > c.index) {
                reasons << QStringLiteral("needs %1, which comes later, at line %2: move it up")
                               .arg(name)
                               .arg(where + 1);
            } else {
                reasons << QStringLiteral("needs %1 above it").arg(name); // only its own line has it
            }
        }
        const qsizetype repeat = c.research ? ends.at(4 * k + 3) : -1;
        if (repeat >= 0 && repeat <= above) {
            const int first = lineAt(starts, repeat - c.texts.withheld.size()) + 1;
            reasons << QStringLiteral("is already researched at line %1").arg(first);
        }
        reasons.removeDuplicates();
        if (!reasons.isEmpty())
            problems.append({c.index + 1, c.entry->displayName.trimmed() + QLatin1Char(' ')
                                              + reasons.join(QStringLiteral("; "))});
    }
    return problems;
}
