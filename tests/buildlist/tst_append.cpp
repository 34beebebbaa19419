#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "app/window/tupdown.h"
#include "buildlist/lineformat.h"
#include "support/formfixture.h"

#include "buildlist/window/appendmessages.h"
#include "support/nowarnings.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kVillager3 = QStringLiteral("U83       Villager             3      109       ");
const QString kVillager2Limit5 = QStringLiteral("T83       Villager             2      109      5");
const QString kConversion = QStringLiteral("'%1' is not a valid integer value.");

void chooseVillagers(FormFixture& f, const char* quantity)
{
    f.form.radioUnits->setChecked(true);
    f.form.radioUnitsClick();
    f.form.txtCount->setText(QString::fromLatin1(quantity));
}

// The starting line, which lets the picker offer the Villager, and
// comment lines after it: n lines in all.
QStringList lettered(int n)
{
    QStringList lines{QString::fromLatin1(kStartingLine)};
    for (int i = 1; i < n; ++i)
        lines << line48(QStringLiteral("// line %1").arg(i));
    return lines;
}

// Lines mode over these lines, nothing selected, with this insertion
// point.
void linesMode(FormFixture& f, const QStringList& items, int insertAt)
{
    f.form.document().reset(items);
    f.form.cmdEditClick();
    f.form.ListBox1->setItemIndex(-1);
    f.form.setInsertAt(insertAt);
}

} // namespace

class TestAppend : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void appendThreeVillagersAndUndo()
    {
        FormFixture f;
        chooseVillagers(f, "3");
        f.form.cmdAddClick();
        QCOMPARE(f.lines().last(), kVillager3);
        QCOMPARE(f.form.villagerCount(), 3);
        QCOMPARE(f.form.txtVillagers->text(), QStringLiteral("3"));
        QVERIFY(f.form.cmdDelete->isEnabled());
        QVERIFY(f.form.isModified());

        f.form.cmdDeleteClick();
        QCOMPARE(f.lines(), QStringList{QString::fromLatin1(kStartingLine)});
        QCOMPARE(f.form.villagerCount(), 0);
        QCOMPARE(f.form.txtVillagers->text(), QStringLiteral("0"));
        QVERIFY(!f.form.cmdDelete->isEnabled());
        VERIFY_DIALOGS(f);
    }

    void appendByButtonThroughTheGuard()
    {
        FormFixture f;
        chooseVillagers(f, "2");
        f.form.chkRetrains->setChecked(true);
        f.form.txtRetrains->setText(QStringLiteral("5"));
        QTest::mouseClick(f.form.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.lines().last(), kVillager2Limit5);
        QCOMPARE(f.form.villagerCount(), 2);
    }

    void twoDigitQuantityKeepsTheColumns()
    {
        FormFixture f;
        chooseVillagers(f, "10");
        f.form.cmdAddClick();
        const QString line = f.lines().last();
        QCOMPARE(line.size(), 48);
        QCOMPARE(line.mid(31, 2), QStringLiteral("10"));
        QCOMPARE(line.mid(38, 3), QStringLiteral("109"));
        QCOMPARE(f.form.villagerCount(), 10);
        f.form.cmdVillCountRefreshClick();
        QCOMPARE(f.form.villagerCount(), 10); // the recount reads both digits
        f.form.cmdAdd->setEnabled(true);
        f.form.setUndoAvailable(true);
        f.form.cmdDeleteClick();
        QCOMPARE(f.form.villagerCount(), 0); // so does Undo
    }

    void badNumberTextsAreRefused_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty quantity") << ""
                                        << "2"
                                        << "";
        QTest::newRow("letter quantity") << "x"
                                         << "2"
                                         << "x";
        QTest::newRow("three-digit quantity") << "100"
                                              << "2"
                                              << "100";
        QTest::newRow("letter limit") << "1"
                                      << "y"
                                      << "y";
        QTest::newRow("three-digit limit") << "1"
                                           << "123"
                                           << "123";
    }
    void badNumberTextsAreRefused()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, limit);
        QFETCH(QString, shown);
        FormFixture f;
        chooseVillagers(f, "1");
        f.form.chkRetrains->setChecked(true);
        f.form.txtCount->setText(quantity);
        f.form.txtRetrains->setText(limit);
        f.dialogs.expectMessage();
        QTest::mouseClick(f.form.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, kConversion.arg(shown));
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("QZ Vex AI File Editor"));
        QCOMPARE(f.lines(), QStringList{QString::fromLatin1(kStartingLine)});
        QVERIFY(!f.form.isModified());
        QCOMPARE(f.form.villagerCount(), 0);
        VERIFY_DIALOGS(f);
    }

    void unknownNameBeepsAndPlacesNothing()
    {
        FormFixture f;
        f.form.cboList->setText(QStringLiteral("Villager"));
        f.form.cmdAddClick();
        QCOMPARE(f.dialogs.beeps, 1);
        QCOMPARE(f.lines().size(), 1);
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void otherItemsLeaveTheTallyAlone()
    {
        FormFixture f;
        f.form.radioBldgs->click();
        f.form.cmdAddClick();
        QCOMPARE(f.lines().last(), QStringLiteral("B12       Barracks             1      -1        "));
        f.form.radioUnits->click(); // now offers the club man too; the last item stays Villager
        f.form.cboList->setItemIndex(0);
        f.form.cmdAddClick();
        QVERIFY(f.lines().last().startsWith(QStringLiteral("U73       Inf_ClubAxe_Man")));
        QCOMPARE(f.form.villagerCount(), 0);
    }

    void researchAppendRefillsAndWithholds()
    {
        FormFixture f;
        f.form.radioResearch->click();
        f.form.chkCritical->setChecked(true);
        f.form.cmdAddClick();
        const QString line = f.lines().last();
        QVERIFY(line.startsWith(QStringLiteral("C101")));
        QCOMPARE(line.mid(10, 17).trimmed(), QStringLiteral("R_Age_Tool"));
        QCOMPARE(f.form.cboList->count(), 1);
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Age Bronze       "));
        QVERIFY(!f.form.chkCritical->isChecked());
        QCOMPARE(f.form.txtCount->text(), QStringLiteral("1"));
        QVERIFY(f.form.cmdDelete->isEnabled());
    }

    void undoRemovesTheLastLineWhateverItHolds()
    {
        FormFixture f;
        chooseVillagers(f, "3");
        f.form.cmdAddClick();
        const int count = f.form.document().lineCount();
        f.form.document().type(count, 0, {QStringLiteral("// typed later")}, true);
        f.form.cmdDeleteClick();
        QCOMPARE(f.lines().last(), kVillager3);
        QCOMPARE(f.form.villagerCount(), 3);
    }

    void undoWithABadQuantityKeepsTheLine()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), line48("U83 Villager")});
        f.form.setVillagerCount(4);
        f.form.setUndoAvailable(true);
        f.dialogs.expectMessage();
        QTest::mouseClick(f.form.cmdDelete, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages[0].text, kConversion.arg(QStringLiteral(" ")));
        QCOMPARE(f.lines().size(), 2);
        QCOMPARE(f.form.villagerCount(), 4);
        QVERIFY(f.form.cmdDelete->isEnabled());
        VERIFY_DIALOGS(f);
    }

    void undoOnAnEmptyTextDisablesItself()
    {
        FormFixture f;
        f.form.Memo1->clearText();
        f.form.setUndoAvailable(true);
        f.form.cmdDeleteClick();
        QCOMPARE(f.text(), QString());
        QVERIFY(!f.form.cmdDelete->isEnabled());
    }

    void recount()
    {
        FormFixture f;
        f.setLines({kVillager3, kVillager2Limit5, line48("// Villager 9")});
        f.form.txtVillagers->setText(QStringLiteral("77")); // typed by the user, never read
        QTest::mouseClick(f.form.cmdVillCountRefresh, Qt::LeftButton);
        QCOMPARE(f.form.villagerCount(), 5);
        QCOMPARE(f.form.txtVillagers->text(), QStringLiteral("5"));
        VERIFY_DIALOGS(f);
    }

    void recountStopsAtABlankQuantity()
    {
        FormFixture f;
        f.setLines({kVillager3, line48("U83 Villager"), kVillager2Limit5});
        f.form.txtVillagers->setText(QStringLiteral("0"));
        f.dialogs.expectMessage();
        QTest::mouseClick(f.form.cmdVillCountRefresh, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages[0].text, kConversion.arg(QStringLiteral(" ")));
        QCOMPARE(f.form.villagerCount(), 3);
        QCOMPARE(f.form.txtVillagers->text(), QStringLiteral("0"));
        VERIFY_DIALOGS(f);
    }

    void recountOfAShortVillagerLineShowsEmptyQuotes()
    {
        FormFixture f;
        f.setLines({QStringLiteral("U83 Villager")});
        f.dialogs.expectMessage();
        QTest::mouseClick(f.form.cmdVillCountRefresh, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("'' is not a valid integer value."));
    }

    void recountInLinesModeTakesTheList()
    {
        FormFixture f;
        linesMode(f, {kVillager3, kVillager2Limit5}, 1);
        f.form.cmdVillCountRefreshClick();
        QCOMPARE(f.text(), kVillager3 + "\r\n" + kVillager2Limit5 + "\r\n");
        QCOMPARE(f.form.villagerCount(), 5);
        QVERIFY(!f.form.isModified()); // a count changes no line
    }

    void insertAtTheInsertionPoint()
    {
        FormFixture f;
        const QStringList five = lettered(5);
        linesMode(f, five, 3);
        chooseVillagers(f, "3");
        f.form.cmdAddClick();
        QCOMPARE(f.listItems().at(3), kVillager3);
        chooseVillagers(f, "2");
        f.form.cmdAddClick();
        QCOMPARE(f.listItems().at(3), QStringLiteral("U83       Villager             2      109       "));
        QCOMPARE(f.listItems().at(4), kVillager3);
        QCOMPARE(f.form.insertAt(), 3);
        QCOMPARE(f.form.villagerCount(), 5);
        QVERIFY(!f.form.cmdDelete->isEnabled()); // Insert never enables Undo
        QCOMPARE(f.lines(), f.listItems()); // the text area shows the document too
        QVERIFY(f.form.isModified());
    }

    void insertionPointZeroActsAsOne()
    {
        FormFixture f;
        linesMode(f, lettered(3), 0);
        chooseVillagers(f, "3");
        f.form.cmdAddClick();
        QCOMPARE(f.listItems().at(1), kVillager3);
        QCOMPARE(f.form.insertAt(), 1);
    }

    void insertionPointPastTheEndAppends()
    {
        FormFixture f;
        linesMode(f, lettered(5), 7);
        chooseVillagers(f, "3");
        f.form.cmdAddClick();
        QCOMPARE(f.listItems().size(), 6);
        QCOMPARE(f.listItems().at(5), kVillager3);
    }

    void noInsertionPointAnsweredNo()
    {
        FormFixture f;
        linesMode(f, lettered(2), -1);
        chooseVillagers(f, "3");
        f.dialogs.expectMessage(MsgResult::No);
        f.form.cmdAddClick();
        const auto& m = f.dialogs.messages.at(0);
        QCOMPARE(m.title, AppendMessages::kNoInsertionPointTitle);
        QCOMPARE(m.text, AppendMessages::kNoInsertionPoint);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(f.listItems().size(), 2);
        QCOMPARE(f.form.villagerCount(), 0);
        QVERIFY(f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void noInsertionPointAnsweredYes()
    {
        FormFixture f;
        linesMode(f, lettered(2), -1);
        chooseVillagers(f, "3");
        f.dialogs.expectMessage(MsgResult::Yes);
        f.form.cmdAddClick();
        QCOMPARE(f.listItems().size(), 3);
        QCOMPARE(f.listItems().last(), kVillager3);
        QCOMPARE(f.form.ListBox1->itemIndex(), 2);
        QCOMPARE(f.form.currentLine(), 2);
        QCOMPARE(f.form.insertAt(), 3);
        QCOMPARE(f.form.findFrom(), 2);
        QCOMPARE(f.form.villagerCount(), 3);
        // A further Insert goes after it.
        f.form.cmdAddClick();
        QCOMPARE(f.listItems().size(), 4);
        QCOMPARE(f.listItems().last(), kVillager3);
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestAppend)
#include "tst_append.moc"
