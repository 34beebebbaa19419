#pragma once

#include <QStringList>

// A villager line names "Villager" somewhere and is not a comment.
bool isVillagerLine(QStringView line);

// Adds the line's quantity to total when it is a villager line. A quantity
// that does not convert throws, and total keeps what it had.
void addVillagerLine(QStringView line, int& total);

// The same for every line, in order: the villagers a build list trains.
void addVillagerLines(const QStringList& lines, int& total);
