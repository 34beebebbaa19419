#include "buildlist/availability.h"
#include "catalog/catalog.h"

#include "support/nowarnings.h"
#include <QSet>
#include <QTest>

class TestCatalog : public QObject {
    Q_OBJECT
private:
    Catalog catalog;

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void initTestCase() { catalog.fill(); }

    void startsEmptyUntilFilled()
    {
        Catalog fresh;
        QVERIFY(!fresh.isFilled());
        QVERIFY(fresh.units()[0].displayName.isEmpty());
    }

    void tablesHaveTheirRowCounts()
    {
        QCOMPARE(catalog.rowCount(Category::Units), 25);
        QCOMPARE(catalog.rowCount(Category::Buildings), 17);
        QCOMPARE(catalog.rowCount(Category::Research), 70);
    }

    void firstUnitKeepsItsTrailingBlanks()
    {
        const CatalogEntry& e = catalog.units()[0];
        QCOMPARE(e.objectNumber, QStringLiteral("93 "));
        QCOMPARE(e.displayName, QStringLiteral("Academy Hoplite  "));
        QCOMPARE(e.buildingName, QStringLiteral("Academy   "));
        QCOMPARE(e.buildingNumber, QStringLiteral("0  "));
        QCOMPARE(e.aiName, QStringLiteral("Acad_Hoplite     "));
        QCOMPARE(e.requirement1, QStringLiteral("Age_Iron"));
        QCOMPARE(e.requirement2, QStringLiteral("B0"));
    }

    void storedWidths_data()
    {
        QTest::addColumn<int>("category");
        QTest::newRow("units") << int(Category::Units);
        QTest::newRow("buildings") << int(Category::Buildings);
        QTest::newRow("research") << int(Category::Research);
    }
    void storedWidths()
    {
        QFETCH(int, category);
        const auto c = Category(category);
        QSet<QString> names, aiNames;
        for (int i = 0; i < catalog.rowCount(c); ++i) {
            const CatalogEntry& e = catalog.row(c, i);
            QCOMPARE(e.objectNumber.size(), 3);
            QCOMPARE(e.displayName.size(), 17);
            QCOMPARE(e.buildingNumber.size(), 3);
            QCOMPARE(e.aiName.size(), 17);
            if (c != Category::Buildings)
                QCOMPARE(e.buildingName.size(), 10);
            QVERIFY(!e.requirement1.isEmpty());
            QVERIFY(!e.requirement2.isEmpty());
            names.insert(e.displayName);
            aiNames.insert(e.aiName);
        }
        QCOMPARE(names.size(), catalog.rowCount(c));
        QCOMPARE(aiNames.size(), catalog.rowCount(c));
    }

    void valuesThatTheTableCannotShow()
    {
        // Research row 4 keeps a trailing blank that row 5 does not.
        QCOMPARE(catalog.research()[3].requirement2, QStringLiteral("B0 "));
        QCOMPARE(catalog.research()[4].requirement2, QStringLiteral("B0"));
        // Buildings keep their building name unfilled.
        QCOMPARE(catalog.buildings()[0].buildingName, QStringLiteral("TownCenter"));
        QCOMPARE(catalog.buildings()[4].buildingName, QStringLiteral("Market"));
        QCOMPARE(catalog.buildings()[16].buildingName, QStringLiteral(" "));
        QCOMPARE(catalog.buildings()[4].buildingNumber, QStringLiteral("84 "));
        QCOMPARE(catalog.units()[24].displayName, QStringLiteral("Villager         "));
        QCOMPARE(catalog.research()[69].aiName, QStringLiteral("R_WoodWork_4     "));
    }

    void lookupByObjectNumberStopsAtTheFirstRow()
    {
        const CatalogEntry* e = catalog.findByObjectNumber(Category::Units, QStringLiteral("93 "));
        QVERIFY(e);
        QCOMPARE(e->displayName, QStringLiteral("Academy Hoplite  "));
        QVERIFY(!catalog.findByObjectNumber(Category::Units, QStringLiteral("93")));
        QVERIFY(!catalog.findByObjectNumber(Category::Units, QStringLiteral("93X")));
    }

    // The lookup gives what a scan from the first row gives, for every
    // entry's number and for numbers no entry has.
    void lookupByObjectNumberAgreesWithAScan()
    {
        for (Category c : {Category::Units, Category::Buildings, Category::Research}) {
            QStringList numbers{"   ", "0  ", "999", "9 9", "a1 ", "83\u00a0", "\u0663  "};
            for (int row = 0; row < catalog.rowCount(c); ++row)
                numbers << catalog.row(c, row).objectNumber;
            for (const QString& number : std::as_const(numbers)) {
                const CatalogEntry* scanned = nullptr;
                for (int row = 0; row < catalog.rowCount(c) && !scanned; ++row)
                    if (catalog.row(c, row).objectNumber == number)
                        scanned = &catalog.row(c, row);
                QVERIFY2(catalog.findByObjectNumber(c, number) == scanned, qPrintable(number));
            }
        }
    }

    void lookupByDisplayNameIsExactAndPerTable()
    {
        const CatalogEntry* unit =
            catalog.findByDisplayName(Category::Units, QStringLiteral("Ship Catapult    "));
        const CatalogEntry* research =
            catalog.findByDisplayName(Category::Research, QStringLiteral("Ship Catapult    "));
        QVERIFY(unit && research);
        QCOMPARE(unit->aiName, QStringLiteral("Ship_Trirene     "));
        QCOMPARE(research->aiName, QStringLiteral("R_Ship_Catapult  "));
        QVERIFY(!catalog.findByDisplayName(Category::Units, QStringLiteral("Ship Catapult")));
        QVERIFY(!catalog.findByDisplayName(Category::Units, QStringLiteral("ship catapult    ")));
    }

    void blankRequirementNeedsABlank()
    {
        // Barracks needs only "TownCenter" and two blank requirements.
        const auto names = [&](const QString& text) {
            QStringList out;
            for (int row : offeredRows(catalog, Category::Buildings, QStringList{text}))
                out << catalog.buildings()[row].displayName.trimmed();
            return out;
        };
        QVERIFY(names(QStringLiteral("TownCenter")).isEmpty());
        QVERIFY(names(QStringLiteral("TownCenter ")).contains(QStringLiteral("Barracks")));
        QVERIFY(offeredRows(catalog, Category::Research, QStringList()).isEmpty());
    }

    void requirementsMatchLiterally()
    {
        // "Age Iron" is not met by "R_Age_Iron": Mining Gold Coin needs the
        // exact text.
        const QString base =
            QStringLiteral("B109 TownCenter B84 Market R_Age_Tool R_Gold_Mining R_Age_Iron ");
        auto offered = [&](const QString& text) {
            QStringList out;
            for (int row : offeredRows(catalog, Category::Research, QStringList{text}))
                out << catalog.research()[row].displayName.trimmed();
            return out;
        };
        QVERIFY(!offered(base).contains(QStringLiteral("Mining Gold Coin")));
        QVERIFY(offered(base + QStringLiteral("// Age Iron")).contains(QStringLiteral("Mining Gold Coin")));
    }
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"
