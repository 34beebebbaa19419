#pragma once

#include "catalog/catalog.h"

class AbsentTexts;
#include <QVector>

// The picker's availability test: an entry is offered when the build list
// contains its building name and both requirement texts (and, for
// research, does not yet contain its AI name). Plain, case-sensitive
// substring tests; an empty text is never contained.
//
// The texts of a table are looked for together, each pass over the build
// list ending as soon as every text is found.
// The texts an entry needs in the build list before it is offered, and
// (research only) the text that must not be there yet.
struct AvailabilityTexts {
    QString building, requirement1, requirement2, withheld;
};
AvailabilityTexts availabilityTexts(const CatalogEntry& entry, Category category);

// The rows of the category's table offered for a build list of these
// lines; no searched text spans a line break.
// `absent`, when given, holds the texts known to stand in no line: they are
// not looked for, and what the search finds is noted there.
QVector<int> offeredRows(const Catalog& catalog, Category category, const QStringList& lines,
                         AbsentTexts* absent = nullptr);
