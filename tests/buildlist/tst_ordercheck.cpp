// The order check: would the picker have offered each line where it stands?
#include "buildlist/lineformat.h"
#include "buildlist/ordercheck.h"
#include "buildlist/textsearch.h"
#include "catalog/catalog.h"
#include "editing/textcopy.h"

#include "support/nowarnings.h"
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

class TestOrderCheck : public QObject {
    Q_OBJECT
private:
    Catalog catalog;

    // An item line as Append writes it, by the item's display name.
    QString item(Category category, const char* name) const
    {
        const CatalogEntry* entry =
            catalog.findByDisplayName(category, QString::fromLatin1(name).leftJustified(17));
        return entry ? composeItemLine(kindLetter(category, false), *entry, QStringLiteral("1"), QString())
                     : QStringLiteral("<no such item>");
    }

private slots:
    void initTestCase() { catalog.fill(); }
    void init() { failOnUnexpectedWarnings(); }

    void problems_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("problems"); // "LINE: message"
        const QString town = QString::fromLatin1(kStartingLine);
        const QString archer = item(Category::Units, "Archer");
        const QString archery = item(Category::Buildings, "Archery");
        const QString ageTool = item(Category::Research, "Age Tool");
        const QString villager = item(Category::Units, "Villager");
        QTest::newRow("sound") << QStringList{town, villager, ageTool, archery, archer} << QStringList{};
        QTest::newRow("an item above what it needs")
            << QStringList{town, ageTool, archer, archery}
            << QStringList{"3: Archer needs Archery, which comes later, at line 4: move it up"};
        QTest::newRow("a missing step")
            << QStringList{town, ageTool, archer}
            << QStringList{"3: Archer needs Archery, which is nowhere in the list"};
        QTest::newRow("a comment's text counts for the lines below")
            << QStringList{town, line48("// B87 Archery"), archer} << QStringList{};
        QTest::newRow("research twice") << QStringList{town, ageTool, villager, ageTool}
                                        << QStringList{"4: Age Tool is already researched at line 2"};
        QTest::newRow("unrecognised lines are not checked")
            << QStringList{town, line48("X87       Nothing             1"), line48("short")} << QStringList{};
        QTest::newRow("a requirement is named once, by either of its texts")
            << QStringList{town, ageTool, archer, line48("// B87"), archery}
            << QStringList{"3: Archer needs Archery, which comes later, at line 5: move it up"};
        const QString bronze = item(Category::Research, "Age Bronze");
        QTest::newRow("a repeat is told even when the other messages match")
            << QStringList{town, bronze, bronze}
            << QStringList{"2: Age Bronze needs Age Tool, which is nowhere in the list",
                           "3: Age Bronze needs Age Tool, which is nowhere in the list; "
                           "is already researched at line 2"};
        // The Wonder's building text is one blank, looked for as stored.
        QTest::newRow("the Wonder after the three ages")
            << QStringList{town, ageTool, bronze, item(Category::Research, "Age Iron"),
                           item(Category::Buildings, "Wonder")}
            << QStringList{};
        QTest::newRow("the starting point only comes first")
            << QStringList{villager, town}
            << QStringList{"1: Villager needs Town Center, which comes later, at line 2: move it up; "
                           "needs a line above it",
                           "2: Town Center needs Town Center above it"};
        // Count's Create Comment puts its comments at the top.
        QTest::newRow("comments above the starting point take no part")
            << QStringList{line48("// Villager: 1"), line48("/ title"), town, villager} << QStringList{};
        QTest::newRow("an unrecognised line above it does")
            << QStringList{line48("short"), town} << QStringList{"2: Town Center needs Town Center above it"};
    }
    void problems()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, problems);
        QStringList found;
        for (const OrderProblem& p : checkOrder(catalog, lines))
            found << QStringLiteral("%1: %2").arg(p.line).arg(p.message);
        QCOMPARE(found, problems);
    }

    // The check and the picker never disagree: an item the picker offers
    // after a list is sound appended to it.
    void agreesWithThePicker()
    {
        const QStringList list{QString::fromLatin1(kStartingLine), item(Category::Research, "Age Tool"),
                               item(Category::Buildings, "Archery")};
        for (Category category : {Category::Units, Category::Buildings, Category::Research}) {
            for (int row = 0; row < catalog.rowCount(category); ++row) {
                const QString line = composeItemLine(kindLetter(category, false), catalog.row(category, row),
                                                     QStringLiteral("1"), QString());
                const bool offered = offeredRowsContain(category, row, list);
                const bool sound = checkOrder(catalog, list + QStringList{line}).isEmpty();
                QVERIFY2(offered == sound, qPrintable(catalog.row(category, row).displayName));
            }
        }
    }

    // Long seeded lists, past the lines the check searches for every text:
    // each sampled item line has a problem exactly when the picker would
    // not offer its item after the lines above it. "few kinds first" keeps
    // most texts missing that long, so the search narrows to what the items
    // need; comments put texts at random places.
    void agreesWithThePickerOnLongLists_data()
    {
        QTest::addColumn<int>("plainLines");
        QTest::newRow("varied") << 0;
        QTest::newRow("few kinds first") << 2300;
    }
    void agreesWithThePickerOnLongLists()
    {
        QFETCH(int, plainLines);
        QRandomGenerator random(quint32(7 + plainLines));
        const Category categories[] = {Category::Units, Category::Buildings, Category::Research};
        QStringList list{QString::fromLatin1(kStartingLine)};
        QVector<std::pair<Category, int>> items{{Category::Buildings, -1}};
        while (list.size() < 3000) {
            Category category = categories[random.bounded(3)];
            int row = random.bounded(catalog.rowCount(category));
            if (list.size() < plainLines)
                category = Category::Units, row = random.bounded(2);
            if (random.bounded(40) == 0) {
                const CatalogEntry& e = catalog.row(category, row);
                list << QStringLiteral("// then %1").arg(random.bounded(2) ? e.requirement1 : e.aiName);
                items.append({category, -1});
                continue;
            }
            list << composeItemLine(kindLetter(category, false), catalog.row(category, row),
                                    QStringLiteral("1"), QString());
            items.append({category, row});
        }
        QSet<int> problemLines;
        for (const OrderProblem& p : checkOrder(catalog, list))
            problemLines.insert(p.line);
        for (int i = 1; i < list.size(); i += (i > 2000 ? 3 : 41)) {
            if (items.at(i).second < 0)
                continue;
            const bool offered = offeredRowsContain(items.at(i).first, items.at(i).second, list.mid(0, i));
            QVERIFY2(offered != problemLines.contains(i + 1),
                     qPrintable(QStringLiteral("line %1: %2").arg(i + 1).arg(list.at(i))));
        }
    }

    void pickerOffersTheWonderAfterTheAges()
    {
        const QStringList list{QString::fromLatin1(kStartingLine), item(Category::Research, "Age Tool"),
                               item(Category::Research, "Age Bronze"), item(Category::Research, "Age Iron")};
        int wonder = -1;
        for (int row = 0; row < catalog.rowCount(Category::Buildings); ++row)
            if (catalog.row(Category::Buildings, row).displayName.trimmed() == QLatin1String("Wonder"))
                wonder = row;
        QVERIFY(offeredRowsContain(Category::Buildings, wonder, list));
    }

    // The four-lane search finds a text wherever it falls, across every
    // boundary between lanes, as a plain search does.
    void searchFindsATextAnywhere()
    {
        const QString needle = QStringLiteral("Acad_C");
        const MultiTextSearch search({needle, QStringLiteral("x"), QString(QChar(0x100))});
        for (int length = 6; length <= 40; ++length) {
            for (int at = 0; at + needle.size() <= length; ++at) {
                QString text(length, QLatin1Char('.'));
                text.replace(at, needle.size(), needle);
                const QVector<bool> found = search.search(text);
                QVERIFY2(found.at(0), qPrintable(text));
                QVERIFY(!found.at(1) && !found.at(2));
            }
        }
    }

    // A needle beyond 8 bits is never looked for: build lists are 8-bit.
    static bool findable(const QString& needle)
    {
        return !needle.isEmpty()
               && std::all_of(needle.begin(), needle.end(), [](QChar c) { return c.unicode() < 256; });
    }

    // The four-lane search against a plain search: short texts of a small
    // alphabet put needles of 0 to 5 characters, single characters and
    // characters beyond 8 bits across every lane boundary.
    void searchAgreesWithContains()
    {
        QRandomGenerator random(22);
        const QString alphabet = QStringLiteral("ab c") + QChar(0x101);
        auto text = [&](int longest) {
            QString t;
            for (int n = random.bounded(longest + 1); n > 0; --n)
                t += alphabet.at(random.bounded(int(alphabet.size())));
            return t;
        };
        for (int round = 0; round < 400; ++round) {
            QStringList needles;
            for (int k = random.bounded(1, 6); k > 0; --k)
                needles << text(5);
            const MultiTextSearch search(needles);
            for (int t = 0; t < 5; ++t) {
                const QString haystack = text(60);
                const QVector<bool> found = search.search(haystack);
                for (int i = 0; i < needles.size(); ++i)
                    QVERIFY2(found.at(i) == (findable(needles.at(i)) && haystack.contains(needles.at(i))),
                             qPrintable(QStringLiteral("'%1' in '%2'").arg(needles.at(i), haystack)));
            }
        }
    }

    // The search over lines finds each text's first occurrence where a plain
    // search of the joined text does, also once it stops walking and looks
    // for the last few texts directly.
    void firstOccurrences_data()
    {
        QTest::addColumn<QStringList>("needles");
        QTest::addColumn<QStringList>("lines");
        const QStringList list{"B87 Archery", "// Metalurgy later", "Age_Tool Age Tool", "", "xx Ballistics"};
        QTest::newRow("all found while walking") << QStringList{"B87", "Age_Tool", "Archery"} << list;
        QTest::newRow("few left, found late") << QStringList{"Ballistics", "Metalurgy", "B87"} << list;
        QTest::newRow("absent, short and long")
            << QStringList{"Q", "no such text", "ry", "e", "Age", "Ballistics"} << list;
        QTest::newRow("a text across the line break") << QStringList{"Archery\r\n//", "B87"} << list;
        QTest::newRow("one character left") << QStringList{"x", "B87"} << list;
        QTest::newRow("overlapping, at the line's end")
            << QStringList{"aab", "ab", "b"} << QStringList{"aaaa", "aaab", "bab"};
        QTest::newRow("characters beyond 8 bits in the text")
            << QStringList{"ab", "a b", "Metalurgy"}
            << QStringList{QString(QChar(0x100)) + "a b", "a" + QString(QChar(0x100)) + "ab"};
        QTest::newRow("Latin-1 letters in needles and lines")
            << QStringList{QStringLiteral("r\u00e9al"), QStringLiteral("\u00ff\u00e9"), "Metalurgy"}
            << QStringList{QStringLiteral("r\u00e8al \u00ff\u00e8"), QStringLiteral("\u00ff\u00e9r\u00e9al")};
        // Small alphabets make many near misses and overlaps.
        QRandomGenerator random(15);
        auto text = [&](int longest) {
            QString t;
            for (int n = random.bounded(longest + 1); n > 0; --n)
                t += QLatin1Char("ab c"[random.bounded(4)]);
            return t;
        };
        for (int round = 0; round < 40; ++round) {
            QStringList needles, lines;
            for (int k = random.bounded(1, 6); k > 0; --k)
                needles << text(6);
            for (int k = random.bounded(1, 30); k > 0; --k)
                lines << text(12);
            QTest::addRow("random %d", round) << needles << lines;
        }
    }
    void firstOccurrences()
    {
        QFETCH(QStringList, needles);
        QFETCH(QStringList, lines);
        const QString whole = joinLines(lines);
        QVector<qsizetype> expected;
        for (const QString& needle : needles) {
            const qsizetype at = needle.isEmpty() ? -1 : whole.indexOf(needle);
            expected << (at < 0 ? -1 : at + needle.size());
        }
        QCOMPARE(MultiTextSearch(needles).firstEnds(lines), expected);
    }

private:
    static QString line48(const char* start) { return QString::fromLatin1(start).leftJustified(48); }
    bool offeredRowsContain(Category category, int row, const QStringList& list) const;
};

#include "buildlist/availability.h"
#include "editing/textcopy.h"

bool TestOrderCheck::offeredRowsContain(Category category, int row, const QStringList& list) const
{
    return offeredRows(catalog, category, list).contains(row);
}

QTEST_GUILESS_MAIN(TestOrderCheck)
#include "tst_ordercheck.moc"
