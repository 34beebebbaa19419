#pragma once

#include "catalog/catalog.h"
#include <QChar>
#include <QStringList>

// The fixed-column layout of a build-list line, columns counted from 0.
constexpr int kNumberColumn = 1; // after the kind letter
constexpr int kNumberWidth = 3;
constexpr int kNameColumn = 10; // the AI name
constexpr int kNameWidth = 17;
constexpr int kQuantityColumn = 31; // one digit, or two over 31-32
constexpr int kBuildingColumn = 38;
constexpr int kBuildingWidth = 3;
constexpr int kLimitColumn = 47; // one digit, or two over 46-47
constexpr int kLineLength = 48;
constexpr int kLineSlot = 50; // in the text area: 48 characters and CR LF

// The line every new build list starts with: the Town Center, quantity 1.
constexpr const char* kStartingLine = "B109      TownCenter           1      -1        ";
// The ruler over the text area: bars at columns 31, 38 and 45.
constexpr const char* kRuler = "                               |      |      |";

// Kind letters by category and by the state of the one check box that the
// picker shows for it.
QChar kindLetter(Category category, bool boxTicked);
bool hasLimitColumn(QChar kind); // "T" and "A"

// Composes an item line: kind letter, number, six blanks, AI name, four
// blanks, quantity, blanks up to the building column, building number,
// then the limit column (units and buildings) or seven blanks (research).
// A two-digit quantity takes columns 31-32 and a two-digit limit columns
// 46-47, so the columns stay put and the line stays 48 characters.
QString composeItemLine(QChar kind, const CatalogEntry& entry, const QString& quantity, const QString& limit);

// A quantity or limit text fits its column when it is one or two digits.
// Throws ConvertError with the text otherwise.
void requireColumnNumber(const QString& text);

// The quantity written in a line: column 31, and column 32 too when both
// are digits. Throws ConvertError when column 31 is not a number.
QString quantityText(QStringView line);
int readQuantity(QStringView line);

inline bool isCommentLine(QStringView line)
{
    return line.startsWith(QLatin1Char('/'));
}

// The catalog entry an item line names, as the line reader finds it: a
// line of at least 31 characters, not a comment, whose kind letter (U, T,
// B, A, R or C) and number name an entry of that kind's table, the first
// in table order. Null for any other line.
// Inline: every line of a list passes here on each check.
inline const CatalogEntry* itemOfLine(const Catalog& catalog, QStringView line, Category* category = nullptr)
{
    if (line.size() < kQuantityColumn || isCommentLine(line))
        return nullptr;
    Category kind;
    switch (line.at(0).unicode()) {
    case 'B':
    case 'A': kind = Category::Buildings; break;
    case 'U':
    case 'T': kind = Category::Units; break;
    case 'R':
    case 'C': kind = Category::Research; break;
    default: return nullptr;
    }
    if (category)
        *category = kind;
    return catalog.findByObjectNumber(kind, line.mid(kNumberColumn, kNumberWidth));
}

// Writes the catalog's AI name into the name column of the line when its
// kind letter and number name a catalog entry; changes columns 4 to 30 only.
QString normalizeLineName(const Catalog& catalog, const QString& line);
// The line reader run after a file is opened, over all its lines.
void NormalizeLineNames(const Catalog& catalog, QStringList& lines);
