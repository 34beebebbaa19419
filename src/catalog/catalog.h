#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

// One item the build list can name. Every member keeps the trailing blanks
// that fill it to its column width: the line composer copies members as they
// stand, so the widths are what keep the columns of a line in place.
struct CatalogEntry {
    QString objectNumber; // 3 wide
    QString displayName; // 17 wide, shown in the picker
    QString buildingName; // 10 wide for units and research, as stored for buildings
    QString buildingNumber; // 3 wide
    QString aiName; // 17 wide, written into lines
    QString requirement1; // not filled; " " means no requirement
    QString requirement2;
};

enum class Category { Units, Buildings, Research };

constexpr int kUnitCount = 25;
constexpr int kBuildingCount = 17;
constexpr int kResearchCount = 70;

// Three characters, each a digit or a blank, as a place in a table of
// 11 x 11 x 11; any other number has no place, and no catalog entry has it.
constexpr int kCatalogNumberPlaces = 11 * 11 * 11;
inline int catalogNumberPlace(QStringView number)
{
    if (number.size() != 3)
        return -1;
    int place = 0;
    for (QChar c : number) {
        const char16_t u = c.unicode();
        if (u == u' ')
            place = place * 11 + 10;
        else if (u >= u'0' && u <= u'9')
            place = place * 11 + (u - u'0');
        else
            return -1;
    }
    return place;
}

// The three fixed tables. They start empty and are filled once, while the
// main window is created; afterwards they are read-only.
class Catalog {
public:
    void fill();
    bool isFilled() const { return filled_; }

    const std::array<CatalogEntry, kUnitCount>& units() const { return units_; }
    const std::array<CatalogEntry, kBuildingCount>& buildings() const { return buildings_; }
    const std::array<CatalogEntry, kResearchCount>& research() const { return research_; }

    int rowCount(Category c) const;
    const CatalogEntry& row(Category c, int index) const
    {
        switch (c) {
        case Category::Units: return units_.at(index);
        case Category::Buildings: return buildings_.at(index);
        case Category::Research: break;
        }
        return research_.at(index);
    }

    // Linear scans from the first row, comparing whole texts exactly.
    const CatalogEntry* findByDisplayName(Category c, const QString& name) const;
    // The number is compared with its blanks: "83 " matches, "83x" does not.
    // Every line read is looked up here, so it stays in the header.
    const CatalogEntry* findByObjectNumber(Category c, QStringView number) const
    {
        const int place = catalogNumberPlace(number);
        const auto& index = firstRowByNumber_[std::size_t(c)];
        if (place < 0 || index.empty())
            return nullptr;
        const int found = index[std::size_t(place)];
        return found < 0 ? nullptr : &row(c, found);
    }

private:
    bool filled_ = false;
    std::array<CatalogEntry, kUnitCount> units_{};
    std::array<CatalogEntry, kBuildingCount> buildings_{};
    std::array<CatalogEntry, kResearchCount> research_{};
    // Per table, the row of the first entry with each three-character
    // number (digits and blanks, as every entry's is), -1 for none: the
    // answer a scan from the first row gives, without the scan. Every line
    // read is looked up here.
    std::array<std::vector<int>, 3> firstRowByNumber_;
};
