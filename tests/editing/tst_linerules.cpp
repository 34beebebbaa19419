// The rules under Lines mode's moves and removals, on plain lists.
#include "editing/linerules.h"

#include "support/nowarnings.h"
#include <QStringList>
#include <QTest>

class TestLineRules : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Every row dropped on every place of lists up to five rows long, the
    // border (-1) and beyond the end included: the plan does what taking
    // the row and putting it before the row dropped on does.
    void moveIsTakeThenPut()
    {
        for (int count = 0; count <= 5; ++count) {
            QStringList rows;
            for (int i = 0; i < count; ++i)
                rows << QString(QChar('A' + i));
            for (int from = -1; from <= count; ++from) {
                for (int to = -1; to <= count + 1; ++to) {
                    const LineMove move = planLineMove(from, to, count);
                    const bool valid = from >= 0 && from < count && to >= 0 && to <= count && from != to;
                    QCOMPARE(move.moves, valid);
                    if (!valid)
                        continue;
                    QStringList expected = rows;
                    const QString taken = expected.takeAt(from);
                    expected.insert(to > from ? to - 1 : to, taken);
                    QStringList planned = rows;
                    planned.insert(to, rows.at(from));
                    planned.removeAt(move.deleteAt);
                    QCOMPARE(planned, expected);
                    QCOMPARE(planned.at(move.landsAt), taken);
                    QCOMPARE(move.orderChanges, planned != rows);
                }
            }
        }
    }

    void insertionPointAfterRemoval()
    {
        QCOMPARE(insertAtAfterRemoval(-1), 0);
        QCOMPARE(insertAtAfterRemoval(0), 0);
        QCOMPARE(insertAtAfterRemoval(3), 2);
    }

    void targets_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");
        QTest::addColumn<bool>("removable");
        QTest::newRow("first") << 0 << 4 << -1 << 2 << true;
        QTest::newRow("middle") << 1 << 4 << 0 << 3 << true;
        QTest::newRow("last but one: to the end") << 2 << 4 << 1 << 4 << true;
        QTest::newRow("last") << 3 << 4 << 2 << -1 << true;
        QTest::newRow("only row") << 0 << 1 << -1 << -1 << true;
        QTest::newRow("nothing selected") << -1 << 4 << -1 << -1 << false;
    }
    void targets()
    {
        QFETCH(int, selected);
        QFETCH(int, count);
        const LineMoveTargets t = lineMoveTargets(selected, count);
        QTEST(t.up, "up");
        QTEST(t.down, "down");
        QTEST(t.removable, "removable");
    }
};

QTEST_GUILESS_MAIN(TestLineRules)
#include "tst_linerules.moc"
