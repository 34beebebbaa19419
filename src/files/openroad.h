#pragma once

#include "catalog/catalog.h"
#include <QStringList>
#include <QVector>

// What Open makes of a file's text before the text area gets it: the tab
// check, the width fix-up and the names from the catalog.
struct OpenedText {
    bool hasTab = false; // refused: the lines are not reworked
    QStringList lines; // 48 characters each
    QVector<int> fileLines; // the file's own line (from 1) each came from
    bool endsWithBreak = false;
};

OpenedText prepareOpenedText(const QString& text, const Catalog& catalog);
