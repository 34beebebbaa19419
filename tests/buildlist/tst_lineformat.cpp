#include "buildlist/lineformat.h"
#include "buildlist/villagers.h"
#include "model/errors.h"

#include "support/nowarnings.h"
#include <QTest>

class TestLineFormat : public QObject {
    Q_OBJECT
private:
    Catalog catalog;

    const CatalogEntry& entry(Category c, const char* name)
    {
        const CatalogEntry* e = catalog.findByDisplayName(c, QString::fromLatin1(name).leftJustified(17));
        Q_ASSERT(e);
        return *e;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void initTestCase() { catalog.fill(); }

    void examples_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("town center") << int(Category::Buildings) << false << "Town Center"
                                     << "1"
                                     << ""
                                     << "B109      TownCenter           1      -1        ";
        QTest::newRow("villager") << int(Category::Units) << false << "Villager"
                                  << "1"
                                  << ""
                                  << "U83       Villager             1      109       ";
        QTest::newRow("villager limit") << int(Category::Units) << true << "Villager"
                                        << "3"
                                        << "2"
                                        << "T83       Villager             3      109      2";
        QTest::newRow("age tool") << int(Category::Research) << false << "Age Tool"
                                  << "1"
                                  << ""
                                  << "R101      R_Age_Tool           1      109       ";
        QTest::newRow("critical") << int(Category::Research) << true << "Age Tool"
                                  << "1"
                                  << ""
                                  << "C101      R_Age_Tool           1      109       ";
        QTest::newRow("two-digit quantity") << int(Category::Units) << false << "Villager"
                                            << "10"
                                            << ""
                                            << "U83       Villager             10     109       ";
        QTest::newRow("two-digit limit") << int(Category::Buildings) << true << "House"
                                         << "10"
                                         << "50"
                                         << "A70       House                10     -1      50";
    }
    void examples()
    {
        QFETCH(int, category);
        QFETCH(bool, ticked);
        QFETCH(QString, name);
        QFETCH(QString, quantity);
        QFETCH(QString, limit);
        QFETCH(QString, expected);
        const auto c = Category(category);
        const QChar kind = kindLetter(c, ticked);
        const QString line = composeItemLine(kind, entry(c, qPrintable(name)), quantity, limit);
        QCOMPARE(line, expected);
        QCOMPARE(line.size(), 48);
        QCOMPARE(readQuantity(line), quantity.toInt());
    }

    void everyEntryEveryKindIs48Wide()
    {
        for (Category c : {Category::Units, Category::Buildings, Category::Research}) {
            for (bool ticked : {false, true}) {
                const QChar kind = kindLetter(c, ticked);
                for (int i = 0; i < catalog.rowCount(c); ++i) {
                    const CatalogEntry& e = catalog.row(c, i);
                    for (const char* qty : {"1", "9", "10"}) {
                        const QString line =
                            composeItemLine(kind, e, QString::fromLatin1(qty),
                                            hasLimitColumn(kind) ? QStringLiteral("50") : QString());
                        QCOMPARE(line.size(), 48);
                        QCOMPARE(line.at(0), kind);
                        QCOMPARE(line.mid(1, 3), e.objectNumber);
                        QCOMPARE(line.mid(10, 17), e.aiName);
                        QCOMPARE(line.mid(38, 3), e.buildingNumber);
                        QCOMPARE(readQuantity(line), QString::fromLatin1(qty).toInt());
                        if (hasLimitColumn(kind))
                            QCOMPARE(line.right(2), QStringLiteral("50"));
                        else
                            QCOMPARE(line.mid(41), QString(7, QLatin1Char(' ')));
                    }
                }
            }
        }
    }

    void columnNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one digit") << "3" << true;
        QTest::newRow("two digits") << "10" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letter") << "x" << false;
        QTest::newRow("three digits") << "100" << false;
        QTest::newRow("blank") << " " << false;
        QTest::newRow("signed") << "-1" << false;
    }
    void columnNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        try {
            requireColumnNumber(text);
            QVERIFY(accepted);
        } catch (const ConvertError& e) {
            QVERIFY(!accepted);
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    void quantityReadBack_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message"); // empty when it converts
        QTest::addColumn<int>("value");
        QTest::newRow("digit") << line(31, "7", "      ") << "" << 7;
        QTest::newRow("two digits") << line(31, "12", "     ") << "" << 12;
        QTest::newRow("digit then letter") << line(31, "4x", "     ") << "" << 4;
        QTest::newRow("blank") << line(31, " ", "") << "' ' is not a valid integer value" << 0;
        QTest::newRow("blank then digit") << line(31, " 5", "") << "' ' is not a valid integer value" << 0;
        QTest::newRow("sign then digit") << line(31, "+5", "") << "'+' is not a valid integer value" << 0;
        QTest::newRow("letter") << line(31, "x", "") << "'x' is not a valid integer value" << 0;
        QTest::newRow("short line") << QStringLiteral("U83 Villager") << "'' is not a valid integer value"
                                    << 0;
        QTest::newRow("32 wide") << line(31, "5", "") << "" << 5;
    }
    void quantityReadBack()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        QFETCH(int, value);
        try {
            QCOMPARE(readQuantity(line), value);
            QVERIFY2(message.isEmpty(), "converted a text that is no quantity");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), message);
        }
    }

    void normalize_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("first entry of a shared number")
            << line48("U93       Whatever             2      0        ")
            << line48("U93       Acad_Hoplite         2      0        ");
        QTest::newRow("hand-made villager")
            << line48("U83 Villager") << QStringLiteral("U83       Villager") + QString(30, QLatin1Char(' '));
        QTest::newRow("30 wide left alone") << QStringLiteral("U83 Villager").leftJustified(30)
                                            << QStringLiteral("U83 Villager").leftJustified(30);
        QTest::newRow("31 wide rewritten") << QStringLiteral("U83 Villager").leftJustified(31)
                                           << QStringLiteral("U83       Villager             ");
        QTest::newRow("lower-case kind") << line48("u83 x") << line48("u83 x");
        QTest::newRow("unknown kind") << line48("X83 x") << line48("X83 x");
        QTest::newRow("comment") << line48("/83 x") << line48("/83 x");
        QTest::newRow("number must match with its blanks") << line48("U83x") << line48("U83x");
        QTest::newRow("research") << line48("C101 a") << line48("C101      R_Age_Tool           ");
        QTest::newRow("beyond column 47 kept")
            << QStringLiteral("A70 ").leftJustified(31, QLatin1Char('.'))
                   + QStringLiteral("9     -1      50xyz")
            << QStringLiteral("A70       House                9     -1      50xyz");
    }
    void normalize()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QStringList lines{in};
        NormalizeLineNames(catalog, lines);
        QCOMPARE(lines.first(), out);
        // Only columns 4 to 30 may change.
        QCOMPARE(out.left(4), in.left(4));
        QCOMPARE(out.mid(31), in.mid(31));
    }

    void villagerLines()
    {
        const QStringList lines{QStringLiteral("U83       Villager             3      109       "),
                                QStringLiteral("T83       Villager             2      109      5"),
                                QStringLiteral("// Villager 9"),
                                QStringLiteral("B109      TownCenter           1      -1        ")};
        int total = 0;
        for (const QString& l : lines)
            addVillagerLine(l, total);
        QCOMPARE(total, 5);

        // A blank quantity stops the count where it stands.
        QStringList broken = lines;
        broken.insert(1, line48("U83 Villager"));
        total = 0;
        QVERIFY_THROWS_EXCEPTION(ConvertError, for (const QString& l : broken) addVillagerLine(l, total));
        QCOMPARE(total, 3);
    }

private:
    static QString line48(const char* s) { return QString::fromLatin1(s).leftJustified(48); }
    static QString line(int column, const char* text, const char* after)
    {
        return QString(column, QLatin1Char('A')) + QString::fromLatin1(text) + QString::fromLatin1(after);
    }
};

QTEST_GUILESS_MAIN(TestLineFormat)
#include "tst_lineformat.moc"
