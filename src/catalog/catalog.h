#pragma once

#include <QString>
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
    const CatalogEntry& row(Category c, int index) const;

    // Linear scans from the first row, comparing whole texts exactly.
    const CatalogEntry* findByDisplayName(Category c, const QString& name) const;
    // The number is compared with its blanks: "83 " matches, "83x" does not.
    const CatalogEntry* findByObjectNumber(Category c, QStringView number) const;

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
