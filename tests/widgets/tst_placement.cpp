// A tool window goes beside its owner, never over it when the screen
// has room elsewhere.
#include "model/placement.h"

#include "support/nowarnings.h"
#include <QRandomGenerator>
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

    // Where no side has room for the whole window, it is made smaller on
    // the side that keeps the most of it, rather than put over the owner.
    // Where none has room even for its least size (1024x600 without a
    // window manager), it goes over the bottom of the list it may cover,
    // towards the side with more room, never above the list's top.
    void smallerBesideWhenNoSideHasRoom_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QRect>("list"); // what it may cover; none: null
        // A frame with a title bar, centred: below keeps 560x280.
        QTest::newRow("framed, centred")
            << QRect(0, 0, 1280, 1024) << QRect(368, 288, 543, 448) << QRect(368, 744, 560, 280) << QRect();
        // 1366x768 without a window manager: the right keeps 404x290.
        QTest::newRow("wide, low screen")
            << QRect(0, 0, 1366, 768) << QRect(411, 175, 543, 418) << QRect(962, 175, 404, 290) << QRect();
        // Exactly the room on the right: whole.
        QTest::newRow("right room exact")
            << QRect(0, 0, 1280, 500) << QRect(168, 10, 544, 418) << QRect(720, 10, 560, 290) << QRect();
        // Less than the gap left: the gap gives way, not the window.
        QTest::newRow("gap squeezed")
            << QRect(0, 0, 1280, 500) << QRect(176, 10, 544, 418) << QRect(720, 10, 560, 290) << QRect();
        QTest::newRow("no pixel between")
            << QRect(0, 0, 1280, 500) << QRect(177, 10, 544, 418) << QRect(729, 10, 551, 290) << QRect();
        // The owner at the screen's left edge: the left is not a side.
        QTest::newRow("owner at the left edge")
            << QRect(0, 0, 900, 500) << QRect(0, 40, 600, 420) << QRect(608, 40, 292, 290) << QRect();
        const QRect small(0, 0, 1024, 600);
        QTest::newRow("over the list, more room on the right")
            << small << QRect(240, 75, 543, 450) << QRect(489, 276, 280, 150) << QRect(256, 209, 513, 217);
        QTest::newRow("over the list, more room on the left")
            << small << QRect(242, 75, 543, 450) << QRect(258, 276, 280, 150) << QRect(258, 209, 513, 217);
        QTest::newRow("over a low list: cut at its top")
            << small << QRect(240, 75, 543, 450) << QRect(489, 300, 280, 100) << QRect(256, 300, 513, 100);
        QTest::newRow("a list off the screen: as without one")
            << small << QRect(240, 75, 543, 450) << QRect(744, 75, 280, 150) << QRect(2000, 300, 513, 100);
    }
    void smallerBesideWhenNoSideHasRoom()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, owner);
        QFETCH(QRect, expected);
        QFETCH(QRect, list);
        QCOMPARE(placeBeside(owner, QSize(560, 290), screen, QSize(280, 150), list), expected);
    }

    // A screen too small for any side keeps the window on it, at its least
    // size, on the side with the most room.
    void noRoomStaysOnTheScreen()
    {
        const QRect screen(0, 0, 800, 600);
        const QRect placed = placeBeside(QRect(100, 100, 600, 400), QSize(560, 260), screen, QSize(300, 150));
        QCOMPARE(placed, QRect(500, 100, 300, 150));
        QVERIFY(screen.contains(placeBeside(QRect(100, 100, 600, 400), QSize(560, 260), screen)));
    }

    // Any owner, size and screen: the window is on the screen, no larger
    // than asked, no smaller than its least size where the screen allows,
    // and clear of the owner whenever a side has room for its least size.
    void alwaysOnTheScreenAndClearWhereItCanBe()
    {
        QRandomGenerator random(4711);
        for (int round = 0; round < 20000; ++round) {
            const QRect screen(random.bounded(-50, 50), random.bounded(-50, 50), random.bounded(300, 2000),
                               random.bounded(300, 1400));
            const QRect owner(screen.left() + random.bounded(-20, screen.width()),
                              screen.top() + random.bounded(-20, screen.height()), random.bounded(100, 900),
                              random.bounded(100, 700));
            const QSize size(random.bounded(100, 900), random.bounded(100, 700));
            const QSize least(random.bounded(50, 400), random.bounded(50, 300));
            const QRect placed = placeBeside(owner, size, screen, least);
            QString what;
            QDebug(&what) << round << screen << owner << size << least << placed;
            QVERIFY2(screen.contains(placed), qPrintable(what));
            QVERIFY2(placed.width() <= size.width() && placed.height() <= size.height(), qPrintable(what));
            const QSize floor = least.boundedTo(size).boundedTo(screen.size());
            QVERIFY2(placed.width() >= floor.width() && placed.height() >= floor.height(), qPrintable(what));
            const int gap = 8;
            const bool room = screen.right() - owner.right() - gap >= floor.width()
                              || owner.left() - screen.left() - gap >= floor.width()
                              || screen.bottom() - owner.bottom() - gap >= floor.height()
                              || owner.top() - screen.top() - gap >= floor.height();
            if (room)
                QVERIFY2(!placed.intersects(owner), qPrintable(what));
        }
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
