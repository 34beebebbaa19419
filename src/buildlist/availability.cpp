#include "buildlist/availability.h"
#include "buildlist/textsearch.h"

AvailabilityTexts availabilityTexts(const CatalogEntry& e, Category category)
{
    switch (category) {
    case Category::Units: return {e.buildingName.trimmed(), e.requirement1, e.requirement2, {}};
    case Category::Buildings: return {e.buildingName, e.requirement1, e.requirement2, {}};
    case Category::Research: break;
    }
    return {e.buildingName.trimmed(), e.requirement1, e.requirement2, e.aiName.trimmed()};
}

namespace {

using Tests = AvailabilityTexts;

struct TableSearch {
    QVector<Tests> tests;
    QStringList needles; // four per row, in row order
};

TableSearch prepare(const Catalog& catalog, Category category)
{
    TableSearch t;
    for (int i = 0; i < catalog.rowCount(category); ++i) {
        const Tests tests = availabilityTexts(catalog.row(category, i), category);
        t.tests.append(tests);
        t.needles << tests.building << tests.requirement1 << tests.requirement2 << tests.withheld;
    }
    return t;
}

QVector<int> decide(const TableSearch& t, Category category, const QVector<bool>& found)
{
    QVector<int> rows;
    for (int i = 0; i < t.tests.size(); ++i) {
        const bool met = found[4 * i] && found[4 * i + 1] && found[4 * i + 2];
        const bool withheld = category == Category::Research && found[4 * i + 3];
        if (met && !withheld)
            rows.append(i);
    }
    return rows;
}

} // namespace

QVector<int> offeredRows(const Catalog& catalog, Category category, const QStringList& lines)
{
    const TableSearch t = prepare(catalog, category);
    // A text is there once its first occurrence is found: the search stops
    // as soon as every text is.
    const QVector<qsizetype> ends = MultiTextSearch(t.needles).firstEnds(lines);
    QVector<bool> found(ends.size());
    for (qsizetype i = 0; i < ends.size(); ++i)
        found[i] = ends[i] >= 0;
    return decide(t, category, found);
}
