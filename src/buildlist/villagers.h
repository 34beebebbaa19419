#pragma once

#include <QStringList>

// A villager line names "Villager" somewhere and is not a comment.
bool isVillagerLine(const QString& line);

// Adds the quantity of every villager line to total, line by line. A
// quantity that does not convert throws there, and total keeps the sum of
// the lines before it.
void addVillagerLines(const QStringList& lines, int& total);
