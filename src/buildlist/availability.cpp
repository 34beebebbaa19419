#include "buildlist/availability.h"
#include "buildlist/absenttexts.h"
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

// Which of the texts occur in the lines: a text is there once its first
// occurrence is found, and the search stops as soon as every text is. A
// text known to be absent is left out: it would keep the search reading to
// the last line.
QVector<bool> occurring(const QStringList& texts, const QStringList& lines, AbsentTexts* absent)
{
    QStringList sought = texts;
    if (absent)
        for (QString& text : sought)
            if (absent->knownAbsent(text))
                text.clear(); // an empty text is never found
    const QVector<qsizetype> ends = MultiTextSearch(sought).firstEnds(lines);
    QVector<bool> found(ends.size());
    for (qsizetype i = 0; i < ends.size(); ++i)
        found[i] = ends[i] >= 0;
    if (absent)
        absent->noteSearched(sought, found);
    return found;
}

} // namespace

QVector<int> offeredRows(const Catalog& catalog, Category category, const QStringList& lines,
                         AbsentTexts* absent)
{
    const int rows = catalog.rowCount(category);
    QVector<AvailabilityTexts> tests;
    QStringList needed; // three per row, in row order
    tests.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        tests.append(availabilityTexts(catalog.row(category, i), category));
        needed << tests.last().building << tests.last().requirement1 << tests.last().requirement2;
    }
    const QVector<bool> found = occurring(needed, lines, absent);
    QVector<int> met;
    for (int i = 0; i < rows; ++i)
        if (found[3 * i] && found[3 * i + 1] && found[3 * i + 2])
            met.append(i);
    if (category != Category::Research)
        return met;
    // Research already in the list is withheld. Only the rows whose needs
    // are met are looked for: most of the others are not there, and a text
    // that is not there costs a reading of every line.
    QStringList withheld;
    for (int i : met)
        withheld << tests.at(i).withheld;
    const QVector<bool> done = occurring(withheld, lines, absent);
    QVector<int> offered;
    for (qsizetype k = 0; k < met.size(); ++k)
        if (!done[k])
            offered.append(met.at(k));
    return offered;
}
