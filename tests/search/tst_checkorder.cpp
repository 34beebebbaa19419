// The Check Order window: its rows, and a click that selects the line.
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "buildlist/lineformat.h"
#include "search/window/tcheckorder.h"
#include "support/formfixture.h"

#include "support/nowarnings.h"
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

const QString kArcher = QStringLiteral("U4        Archer               1      87        ");
const QString kArchery = QStringLiteral("B87       Archery              1      -1        ");
const QString kAgeTool = QStringLiteral("R101      R_Age_Tool           1      109       ");

QStringList rows(const TCheckOrder& window)
{
    QStringList texts;
    for (int i = 0; i < window.lstProblems->count(); ++i)
        texts << window.lstProblems->item(i)->text();
    return texts;
}

} // namespace

class TestCheckOrder : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void menuOpensTheWindowWithItsRows()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery});
        QCOMPARE(f.form.Search1->actions().last()->text(), QStringLiteral("Check Order..."));
        f.form.mnuCheckOrder->trigger();
        const TCheckOrder& window = *windowOf(f);
        QCOMPARE(f.dialogs.modeless.last(), static_cast<const QWidget*>(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Check Order"));
        QCOMPARE(rows(window),
                 QStringList{"Line 3: Archer needs Archery, which comes later, at line 4: move it up"});
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void aSoundListSaysSoInOneRow()
    {
        FormFixture f;
        f.form.mnuCheckOrder->trigger();
        QCOMPARE(rows(*windowOf(f)).size(), 1);
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{0});
    }

    // In Lines mode the list is the build list, and Check reads it anew.
    void checkReadsTheLiveList()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), kAgeTool, kArchery, kArcher});
        f.form.cmdEditClick();
        f.form.mnuCheckOrderClick();
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{0});
        f.form.dragFrom = 3;
        f.form.dragTo = 2;
        f.form.ListBox1DragDrop(QPoint());
        QTest::mouseClick(windowOf(f)->btnCheck, Qt::LeftButton);
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{3});
        // Shown again from the menu, it checks again.
        f.form.dragFrom = 2;
        f.form.dragTo = 4;
        f.form.ListBox1DragDrop(QPoint());
        f.form.mnuCheckOrderClick();
        QCOMPARE(windowOf(f)->rowLines(), QList<int>{0});
    }

    // A click on a problem selects its line as a click in the list would,
    // and changes nothing else.
    void clickSelectsTheLine()
    {
        FormFixture f;
        const QStringList lines{QString::fromLatin1(kStartingLine), kAgeTool, kArcher, kArchery};
        f.setLines(lines);
        f.form.mnuCheckOrderClick();
        TCheckOrder& window = *windowOf(f);
        window.lstProblems->setCurrentRow(0);
        window.lstProblemsClick();
        QVERIFY(f.form.linesMode);
        QCOMPARE(f.form.ListBox1->itemIndex(), 2);
        QCOMPARE(f.form.insertAt(), 3);
        QCOMPARE(f.form.currentLine(), 2);
        QCOMPARE(f.listItems(), lines);
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

private:
    static TCheckOrder* windowOf(FormFixture& f) { return f.windows.CheckOrder.get(); }
};

QTEST_MAIN(TestCheckOrder)
#include "tst_checkorder.moc"
