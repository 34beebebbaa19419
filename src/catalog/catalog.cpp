#include "catalog/catalog.h"

namespace {

// A row as written in the design tables: values without their fill. "—" in
// those tables (no requirement) is written here as a single blank.
struct RawRow {
    const char* objectNumber;
    const char* displayName;
    const char* buildingName;
    const char* buildingNumber;
    const char* aiName;
    const char* requirement1;
    const char* requirement2;
};

// clang-format off
const RawRow kUnitRows[kUnitCount] = {
    {"93",  "Academy Hoplite",   "Academy",    "0",   "Acad_Hoplite",     "Age_Iron",       "B0"},
    {"93",  "Academy Phalanx",   "Academy",    "0",   "Acad_Phalanx",     "R_Acad_Phalanx", " "},
    {"291", "Academy Centurion", "Academy",    "0",   "Acad_Centurion",   "R_Acad_Centurian", " "},
    {"4",   "Archer",            "Archery",    "87",  "Archer",           "B87",            " "},
    {"5",   "Archer Impr/Comp",  "Archery",    "87",  "Archer_ImprComp",  "R_Archer_Impr",  " "},
    {"39",  "Archer Cavalry",    "Archery",    "87",  "Archer_Cavalry",   "R_Age_Iron",     "B87"},
    {"41",  "Archer Chariot",    "Archery",    "87",  "Archer_Chariot",   "R_Wheel",        "B87"},
    {"25",  "Archer Elephant",   "Archery",    "87",  "Archer_Elephant",  "R_Age_Iron",     "B87"},
    {"299", "Cavalry Scout",     "Stable",     "101", "Cavalry_Scout",    "R_Age_Tool",     "B101"},
    {"37",  "Cavalry",           "Stable",     "101", "Cavalry",          "R_Age_Bronze",   "B101"},
    {"40",  "Cavalry Chariot",   "Stable",     "101", "Cavalry_Chariot",  "Age_Bronze",     "B101"},
    {"46",  "Cavalry Elephant",  "Stable",     "101", "Cavalry_Elephant", "Age_Iron",       "B101"},
    {"73",  "Inf Club/Axe Man",  "Barracks",   "12",  "Inf_ClubAxe_Man",  "B12",            " "},
    {"75",  "Inf Swordsman",     "Barracks",   "12",  "Inf_Swordsman",    "Age_Bronze",     "Sword_Short"},
    {"282", "Inf Legion",        "Barracks",   "0",   "Inf_Legion",       "Age_Iron",       "Sword_Long"},
    {"35",  "Sg Stone Thrower",  "SgWorkshop", "49",  "Stone_Thrower",    "Age_Bronze",     "B49"},
    {"11",  "Sg Balista",        "SgWorkshop", "49",  "Balista",          "Ballistics",     "Age_Iron"},
    {"13",  "Ship Fishing",      "Dock",       "45",  "Ship_Fishing",     " ",              "B45"},
    {"15",  "Ship Trade",        "Dock",       "45",  "Ship_Trade",       " ",              "B45"},
    {"21",  "Ship Transport",    "Dock",       "45",  "Ship_Transport",   " ",              "B45"},
    {"19",  "Ship ScoutWarTri",  "Dock",       "45",  "Ship_ScoutWarTri", "Age_Tool",       "R_Ship_War"},
    {"250", "Ship Catapult",     "Dock",       "45",  "Ship_Trirene",     "Age_Iron",       "R_Ship_Trirene"},
    {"277", "Ship Juggernaught", "Dock",       "45",  "Ship_Juggnaught",  "Age_Iron",       "R_Ship_Jugg"},
    {"125", "Priest",            "Temple",     "104", "Priest",           "B104",           " "},
    {"83",  "Villager",          "TownCenter", "109", "Villager",         "B109",           " "},
};

const RawRow kBuildingRows[kBuildingCount] = {
    {"0",   "Academy",           "TownCenter", "-1", "Academy",     "Age_Iron",    " "},
    {"87",  "Archery",           "TownCenter", "-1", "Archery",     "Age_Tool",    " "},
    {"12",  "Barracks",          "TownCenter", "-1", "Barracks",    " ",           " "},
    {"45",  "Dock",              "TownCenter", "-1", "Dock",        " ",           " "},
    {"50",  "Farm",              "Market",     "84", "Farm",        "Age_Tool",    "B84"},
    {"82",  "Government Center", "TownCenter", "-1", "Gov_Center",  "Age_Iron",    " "},
    {"68",  "Granary",           "TownCenter", "-1", "Granary",     " ",           " "},
    {"70",  "House",             "TownCenter", "-1", "House",       " ",           " "},
    {"84",  "Market",            "TownCenter", "-1", "Market",      "Age_Tool",    " "},
    {"49",  "Siege Workshop",    "TownCenter", "-1", "SgWorkshop",  "Age_Bronze",  " "},
    {"101", "Stable",            "TownCenter", "-1", "Stable",      "Age_Tool",    " "},
    {"103", "Storage Pit",       "TownCenter", "-1", "Storage_Pit", " ",           " "},
    {"104", "Temple",            "TownCenter", "-1", "Temple",      "Age_Bronze",  " "},
    {"79",  "Tower",             "TownCenter", "-1", "Tower",       "Tower_Watch", " "},
    {"109", "Town Center",       "TownCenter", "-1", "TownCenter",  " ",           " "},
    {"72",  "Wall",              "TownCenter", "-1", "Wall",        "Age_Tool",    "R_Wall_Small"},
    {"276", "Wonder",            " ",          "-1", "Wonder",      "Age_Iron",    " "},
};

const RawRow kResearchRows[kResearchCount] = {
    {"101", "Age Tool",         "TownCenter", "109", "R_Age_Tool",        " ",             " "},
    {"102", "Age Bronze",       "TownCenter", "109", "R_Age_Bronze",      "Age_Tool",      " "},
    {"103", "Age Iron",         "TownCenter", "109", "R_Age_Iron",        "Age_Bronze",    " "},
    {"73",  "Acad Phalanx",     "Academy",    "0",   "R_Acad_Phalanx",    "Age_Iron",      "B0 "},
    {"79",  "Acad Centurian",   "Academy",    "0",   "R_Acad_Centurian",  "Age_Iron",      "B0"},
    {"56",  "Archer Improved",  "Archery",    "87",  "R_Archer_Impr",     "Age_Bronze",    "B87"},
    {"57",  "Archer Comp",      "Archery",    "87",  "R_Archer_Comp",     "Archer_Impr",   "B87"},
    {"38",  "Archer Cav Hvy",   "Archery",    "87",  "R_Archer_Cav_Hvy",  "Age_Iron",      "B87"},
    {"46",  "Arm Skill Tool",   "Storage_",   "103", "R_Arm_Skill_Tool",  "Age_Tool",      "B103"},
    {"40",  "Arm-Lthr Inf",     "Storage_",   "103", "R_Arm-Lthr_Inf",    "Age_Tool",      "B103"},
    {"41",  "Arm-Lthr Archr",   "Storage_",   "103", "R_Arm-Lthr_Archr",  "Age_Tool",      "B103"},
    {"42",  "Arm-Lther Cav",    "Storage_",   "103", "R_Arm-Lthr_Cav",    "Age_Tool",      "B103"},
    {"51",  "Arm Skill MtlW",   "Storage_",   "103", "R_Arm_Skill_MtlW",  "Arm_Skill_Tool", " "},
    {"43",  "Arm-Scale Inf",    "Storage_",   "103", "R_Arm-Scale_Inf",   "Age_Bronze",    "Lthr_Inf"},
    {"44",  "Arm-Scale Arch",   "Storage_",   "103", "R_Arm-Scale_Arch",  "Age_Bronze",    "Lthr_Archr"},
    {"45",  "Arm-Scale Cav",    "Storage_",   "103", "R_Arm-Scale_Cav",   "Age_Bronze",    "Lthr_Cav"},
    {"47",  "Arm Shld Bronze",  "Storage_",   "103", "R_Arm_Shld_Bronze", "Age_Bronze",    "B103"},
    {"52",  "Arm Skill Mtrgy",  "Storage_",   "103", "R_Arm_Skill_Mlrgy", "Arm_Skill_MtlW", " "},
    {"48",  "Arm-Chain Inf",    "Storage_",   "103", "R_Arm-Chain_Inf",   "Age_Iron",      "Scale_Inf"},
    {"49",  "Arm-Chain Arch",   "Storage_",   "103", "R_Arm-Chain_Arch",  "Age_Iron",      "Scale_Arch"},
    {"50",  "Arm-Chain Cav",    "Storage_",   "103", "R_Arm-Chain_Cav",   "Age_Iron",      "Scale_Cav"},
    {"117", "Arm Shld Iron",    "Storage_",   "103", "R_Arm_Shld_Iron",   "Age_Iron",      "B103"},
    {"63",  "Axe",              "Barracks",   "12",  "R_Axe",             "Age_Tool",      "B12"},
    {"77",  "Barracks Legion",  "Barracks",   "12",  "R_Barracks_Legion", "Sword_Long",    "B12"},
    {"71",  "Cavalry Heavy",    "Stable",     "101", "R_Cavalry_Heavy",   "Age_Iron",      "Stable"},
    {"78",  "Cav Cataphract",   "Stable",     "101", "R_Cav_Cataphract",  "Age_Iron",      "Metalurgy"},
    {"81",  "Farm Domestcatn",  "Market",     "84",  "R_Farm_Domesticat", "Age_Tool",      "B84"},
    {"31",  "Farm Plow",        "Market",     "84",  "R_Farm_Plow",       "Domesticat",    "B84"},
    {"80",  "Farm Irrigation",  "Market",     "84",  "R_Farm_Irr",        "Plow",          "B84"},
    {"112", "Gov Architecture", "Gov_Center", "82",  "R_Gov_Architectur", "Age_Bronze",    "B82"},
    {"113", "Gov Aristocracy",  "Gov_Center", "82",  "R_Gov_Aristocracy", "Age_Iron",      "B82"},
    {"37",  "Gov Alchemy",      "Gov_Center", "82",  "R_Gov_Alchemy",     "Age_Iron",      "B82"},
    {"106", "Gov Balistics",    "Gov_Center", "82",  "R_Gov_Balistics",   "Age_Iron",      "B82"},
    {"35",  "Gov Engineering",  "Gov_Center", "82",  "R_Gov_Engineering", "Age_Iron",      "B82"},
    {"34",  "Gov Nobility",     "Gov_Center", "82",  "R_Gov_Nobility",    "Age_Bronze",    "B82"},
    {"114", "Gov Writing",      "Gov_Center", "82",  "R_Gov_Writing",     "Age_Bronze",    "B82"},
    {"108", "Mining Gold",      "Market",     "84",  "R_Gold_Mining",     "Age_Tool",      "B84"},
    {"30",  "Mining Gold Coin", "Market",     "84",  "R_Gold_Coinage",    "Gold_Mining",   "Age Iron"},
    {"109", "Mining Stone",     "Market",     "84",  "R_MiningStone",     "Age_Tool",      "B84"},
    {"19",  "Prst Cnv Prst",    "Temple",     "104", "R_Prst_Conv_Prst",  "Age_Iron",      "B104"},
    {"21",  "Prst Hit Points",  "Temple",     "104", "R_Prst_Hit_Points", "Age_Bronze",    "B104"},
    {"18",  "Prst Range +3",    "Temple",     "104", "R_Prst_Range_+3",   "Age_Iron",      "B104"},
    {"20",  "Prst Rejuvenatn",  "Temple",     "104", "R_Prst_Rejuvenatn", "Age_Iron",      "B104"},
    {"24",  "Prst Speed",       "Temple",     "104", "R_Prst_Speed",      "Age_Bronze",    "B104"},
    {"23",  "Prst Vlagr Enh",   "Temple",     "104", "R_Prst_Vlagr_Enh",  "Age_Iron",      "B104"},
    {"22",  "Prst ConvRate30",  "Temple",     "104", "R_Prst_ConvRate30", "Age_Bronze",    "B104"},
    {"27",  "Sg Heliopolis",    "SgWorkshop", "49",  "R_Heliopolis",      "Engineering",   " "},
    {"54",  "Sg Catapult Hvy",  "SgWorkshop", "49",  "R_Catapult_Heavy",  "Age_Iron",      "B49"},
    {"5",   "Ship War",         "Dock",       "45",  "R_Ship_War",        "Age_Tool",      "B45"},
    {"9",   "Ship Catapult",    "Dock",       "45",  "R_Ship_Catapult",   "Ship_Trirene",  "B45"},
    {"4",   "Ship Fishing",     "Dock",       "45",  "R_Ship_Fishing",    "Age_Tool",      "B45"},
    {"25",  "Ship Juggnaught",  "Dock",       "45",  "R_Ship_Juggnaught", "Ship_Catapult", " "},
    {"6",   "Ship Trade",       "Dock",       "45",  "R_Ship_Trade",      "Age_Tool",      "B45"},
    {"7",   "Ship Trirene",     "Dock",       "45",  "R_Ship_Trirene",    "Age_Iron",      "B45"},
    {"8",   "Ship Transport",   "Dock",       "45",  "R_Ship_Transport",  "Age_Tool",      "B45"},
    {"64",  "Sword Short",      "Barracks",   "12",  "R_Sword_Short",     "Age_Bronze",    "B12"},
    {"65",  "Sword Broad",      "Barracks",   "12",  "R_Sword_Broad",     "Sword_Short",   "B12"},
    {"66",  "Sword Long",       "Barracks",   "12",  "R_Sword_Long",      "Sword_Broad",   "B12"},
    {"2",   "Tower Catapult",   "Granary",    "68",  "R_Tower_Catapult",  "Age_Iron",      " "},
    {"11",  "Wall Small",       "Granary",    "68",  "R_Wall_Small",      "Age_Tool",      "B68"},
    {"13",  "Wall Medium",      "Granary",    "68",  "R_Wall_Medium",     "Wall_Small",    "Age Bronze"},
    {"14",  "Wall Fortifcatn",  "Granary",    "68",  "R_Wall_Fortifcatn", "Wall_Medium",   " "},
    {"16",  "Tower Watch",      "Granary",    "68",  "R_Tower_Watch",     "Age_Tool",      "B68"},
    {"15",  "Tower Gaurd",      "Granary",    "68",  "R_Tower_Gaurd",     "Age_Bronze",    "Tower_Watch"},
    {"12",  "Tower Sentry",     "Granary",    "68",  "R_Tower_Sentry",    "Age_Iron",      "Tower Gaurd"},
    {"28",  "Wheel",            "Market",     "84",  "R_Wheel",           "Age_Bronze",    "B84"},
    {"107", "Wood Working 1",   "Market",     "84",  "R_WoodWork_1",      "Age_Tool",      "B84"},
    {"32",  "Wood Working 2",   "Market",     "84",  "R_WoodWork_2",      "Age_Bronze",    "WoodWork_1"},
    {"110", "Wood Working 3",   "Market",     "84",  "R_WoodWork_3",      "Age_Iron",      "WoodWork_2"},
    {"111", "Wood Working 4",   "Market",     "84",  "R_WoodWork_4",      "WoodWork_3",    " "},
};
// clang-format on

QString filled(const char* value, int width)
{
    return QString::fromLatin1(value).leftJustified(width, QLatin1Char(' '));
}

// Buildings keep their building name as written; units and research fill it
// to ten characters.
template <std::size_t N>
void fillTable(std::array<CatalogEntry, N>& table, const RawRow (&rows)[N], bool fillBuildingName)
{
    for (std::size_t i = 0; i < N; ++i) {
        const RawRow& r = rows[i];
        table[i] = CatalogEntry{
            filled(r.objectNumber, 3),
            filled(r.displayName, 17),
            fillBuildingName ? filled(r.buildingName, 10) : QString::fromLatin1(r.buildingName),
            filled(r.buildingNumber, 3),
            filled(r.aiName, 17),
            QString::fromLatin1(r.requirement1),
            QString::fromLatin1(r.requirement2),
        };
    }
}

} // namespace

void Catalog::fill()
{
    fillTable(units_, kUnitRows, true);
    fillTable(buildings_, kBuildingRows, false);
    fillTable(research_, kResearchRows, true);
    for (Category c : {Category::Units, Category::Buildings, Category::Research}) {
        auto& index = firstRowByNumber_[std::size_t(c)];
        index.assign(kCatalogNumberPlaces, -1);
        for (int row = rowCount(c) - 1; row >= 0; --row) { // the first row with a number wins
            const int place = catalogNumberPlace(this->row(c, row).objectNumber);
            if (place >= 0)
                index[std::size_t(place)] = row;
        }
    }
    filled_ = true;
}

int Catalog::rowCount(Category c) const
{
    switch (c) {
    case Category::Units: return kUnitCount;
    case Category::Buildings: return kBuildingCount;
    case Category::Research: return kResearchCount;
    }
    return 0;
}

const CatalogEntry* Catalog::findByDisplayName(Category c, const QString& name) const
{
    for (int i = 0; i < rowCount(c); ++i)
        if (row(c, i).displayName == name)
            return &row(c, i);
    return nullptr;
}
