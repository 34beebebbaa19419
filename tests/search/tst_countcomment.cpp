// The comment a count leaves, a rule of its own that needs no window.
#include "search/countcomment.h"

#include "support/nowarnings.h"
#include <QTest>

class TestCountComment : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void comment_data()
    {
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("sum");
        QTest::addColumn<QString>("expected");
        QTest::newRow("villager") << "Villager         " << 5
                                  << QStringLiteral("//Villager 5").leftJustified(48);
        QTest::newRow("empty") << "" << 0 << QStringLiteral("// 0").leftJustified(48);
        QTest::newRow("control characters trimmed")
            << "\t Priest \x01" << 2 << QStringLiteral("//Priest 2").leftJustified(48);
        QTest::newRow("already long") << QString(50, 'a') << 1 << "//" + QString(50, 'a') + " 1 ";
        QTest::newRow("47, filled to 48") << QString(43, 'a') << 7 << "//" + QString(43, 'a') + " 7 ";
        QTest::newRow("exactly 48") << QString(44, 'a') << 7 << "//" + QString(44, 'a') + " 7 ";
    }
    void comment()
    {
        QFETCH(QString, searched);
        QFETCH(int, sum);
        QFETCH(QString, expected);
        QCOMPARE(countComment(searched, sum), expected);
    }
};

QTEST_GUILESS_MAIN(TestCountComment)
#include "tst_countcomment.moc"
