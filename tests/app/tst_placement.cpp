// A tool window goes beside its owner, never over it when the screen
// has room elsewhere.
#include "model/placement.h"

#include "support/nowarnings.h"
#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void besideTheOwner_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("room on the right") << QRect(10, 10, 543, 418) << QRect(561, 10, 560, 260);
        QTest::newRow("room on the left only") << QRect(700, 10, 543, 418) << QRect(132, 10, 560, 260);
        QTest::newRow("centred: below") << QRect(368, 303, 543, 418) << QRect(368, 729, 560, 260);
        QTest::newRow("near the bottom: above") << QRect(368, 700, 543, 300) << QRect(368, 432, 560, 260);
    }
    void besideTheOwner()
    {
        QFETCH(QRect, owner);
        QFETCH(QRect, expected);
        QCOMPARE(placeBeside(owner, QSize(560, 260), QRect(0, 0, 1280, 1024)), expected);
    }

    // A screen too small for any side keeps the window on it.
    void noRoomStaysOnTheScreen()
    {
        const QRect screen(0, 0, 800, 600);
        const QRect placed = placeBeside(QRect(100, 100, 600, 400), QSize(560, 260), screen);
        QVERIFY(screen.contains(placed));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
