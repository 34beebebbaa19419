#pragma once

#include "catalog/catalog.h"

#include <QStringList>
#include <QVector>

// One line that the picker would not have offered where it stands.
struct OrderProblem {
    int line = 0; // counted from 1, as people count
    QString message; // names the item and what is missing above it
};

// Checks a build list with the picker's own rule: each item line must be
// one the picker would offer, looking only at the lines above it. Comment
// and unrecognised lines are not checked, but their text counts for the
// lines below. A Town Center line first in the list is its starting point.
// One pass over the text, whatever the number of lines.
// Lines are numbered from 1, or as `numbers` gives for each (a file's own
// lines, where Open made several of one).
QVector<OrderProblem> checkOrder(const Catalog& catalog, const QStringList& lines,
                                 const QVector<int>& numbers = {});
