#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "buildlist/window/updownarrows.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/window/findcommand.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "buildlist/window/appendmessages.h"
#include "support/nowarnings.h"
#include <QAction>
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
    ui(f.form).unitsRadio->setChecked(true);
    ui(f.form).picker->showUnits();
    ui(f.form).quantitySpin->setText(QString::fromLatin1(quantity));
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
    ui(f.form).modeButton->click();
    EditPosition p = f.form.document().position();
    p.selectedRow = -1;
    p.insertAt = insertAt;
    f.form.document().setPosition(p);
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
        ui(f.form).picker->appendItem();
        QCOMPARE(f.lines().last(), kVillager3);
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
        QCOMPARE(ui(f.form).villagerBox->text(), QStringLiteral("3"));
        QVERIFY(ui(f.form).removeLastLineButton->isEnabled());
        QVERIFY(f.form.isModified());

        ui(f.form).removeLastLineButton->click();
        QCOMPARE(f.lines(), QStringList{QString::fromLatin1(kStartingLine)});
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
        QCOMPARE(ui(f.form).villagerBox->text(), QStringLiteral("0"));
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
        VERIFY_DIALOGS(f);
    }

    void appendByButtonThroughTheGuard()
    {
        FormFixture f;
        chooseVillagers(f, "2");
        ui(f.form).unitLimitCheck->setChecked(true);
        ui(f.form).retrainsSpin->setText(QStringLiteral("5"));
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        QCOMPARE(f.lines().last(), kVillager2Limit5);
        QCOMPARE(ui(f.form).picker->villagerCount(), 2);
    }

    void twoDigitQuantityKeepsTheColumns()
    {
        FormFixture f;
        chooseVillagers(f, "10");
        ui(f.form).picker->appendItem();
        const QString line = f.lines().last();
        QCOMPARE(line.size(), 48);
        QCOMPARE(line.mid(31, 2), QStringLiteral("10"));
        QCOMPARE(line.mid(38, 3), QStringLiteral("109"));
        QCOMPARE(ui(f.form).picker->villagerCount(), 10);
        ui(f.form).picker->recountVillagers();
        QCOMPARE(ui(f.form).picker->villagerCount(), 10); // the recount reads both digits
        ui(f.form).appendButton->setEnabled(true);
        ui(f.form).text->setUndoAvailable(true);
        ui(f.form).removeLastLineButton->click();
        QCOMPARE(ui(f.form).picker->villagerCount(), 0); // so does Undo
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
        ui(f.form).unitLimitCheck->setChecked(true);
        ui(f.form).quantitySpin->setText(quantity);
        ui(f.form).retrainsSpin->setText(limit);
        f.dialogs.expectMessage();
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, kConversion.arg(shown));
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("QZ Vex AI File Editor"));
        QCOMPARE(f.lines(), QStringList{QString::fromLatin1(kStartingLine)});
        QVERIFY(!f.form.isModified());
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
        VERIFY_DIALOGS(f);
    }

    // A typed name that is no offered item is told why; an empty box (none
    // offered) speaks for itself.
    void unknownNameBeepsAndPlacesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("told");
        QTest::newRow("without its blanks") << "Villager"
                                            << "\"Villager\" is not an item";
        QTest::newRow("empty") << ""
                               << "";
    }
    void unknownNameBeepsAndPlacesNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, told);
        FormFixture f;
        ui(f.form).itemBox->setText(typed);
        if (!told.isEmpty())
            f.dialogs.expectMessage();
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        QCOMPARE(f.dialogs.beeps, 1);
        QCOMPARE(f.dialogs.messages.isEmpty(), told.isEmpty());
        QVERIFY(told.isEmpty() || f.dialogs.messages.value(0).text.startsWith(told));
        QCOMPARE(f.lines().size(), 1);
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void otherItemsLeaveTheTallyAlone()
    {
        FormFixture f;
        ui(f.form).buildingsRadio->click();
        ui(f.form).picker->appendItem();
        QCOMPARE(f.lines().last(), QStringLiteral("B12       Barracks             1      -1        "));
        ui(f.form).unitsRadio->click(); // now offers the club man too; the last item stays Villager
        ui(f.form).itemBox->setItemIndex(0);
        ui(f.form).picker->appendItem();
        QVERIFY(f.lines().last().startsWith(QStringLiteral("U73       Inf_ClubAxe_Man")));
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
    }

    void researchAppendRefillsAndWithholds()
    {
        FormFixture f;
        ui(f.form).researchRadio->click();
        ui(f.form).criticalCheck->setChecked(true);
        ui(f.form).picker->appendItem();
        const QString line = f.lines().last();
        QVERIFY(line.startsWith(QStringLiteral("C101")));
        QCOMPARE(line.mid(10, 17).trimmed(), QStringLiteral("R_Age_Tool"));
        QCOMPARE(ui(f.form).itemBox->count(), 1);
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Age Bronze       "));
        QVERIFY(!ui(f.form).criticalCheck->isChecked());
        QCOMPARE(ui(f.form).quantitySpin->text(), QStringLiteral("1"));
        QVERIFY(ui(f.form).removeLastLineButton->isEnabled());
    }

    // Whatever the last line holds, and whether or not a break ends the
    // text: the line above keeps its CR LF.
    void undoRemovesTheLastLineWhateverItHolds_data()
    {
        QTest::addColumn<bool>("endsWithBreak");
        QTest::newRow("a final break") << true;
        QTest::newRow("no final break") << false;
    }
    void undoRemovesTheLastLineWhateverItHolds()
    {
        QFETCH(bool, endsWithBreak);
        FormFixture f;
        chooseVillagers(f, "3");
        ui(f.form).picker->appendItem();
        const int count = f.form.document().lineCount();
        f.form.document().type(count, 0, {QStringLiteral("// typed later")}, endsWithBreak);
        ui(f.form).removeLastLineButton->click();
        QCOMPARE(f.text(), QString::fromLatin1(kStartingLine) + "\r\n" + kVillager3 + "\r\n");
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
    }

    // In Lines mode the Undo button stays off, whatever Undo and Redo
    // bring back: it would take the text's last line while the list shows.
    void undoButtonStaysOffInLinesMode()
    {
        FormFixture f;
        chooseVillagers(f, "3");
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        QVERIFY(ui(f.form).removeLastLineButton->isEnabled());
        choose(ui(f.form).editLinesAction);
        for (QAction* step : {ui(f.form).undoAction, ui(f.form).redoAction}) {
            choose(step);
            QVERIFY2(!ui(f.form).removeLastLineButton->isEnabled(), qPrintable(step->text()));
        }
        choose(ui(f.form).editNormalAction);
        QCOMPARE(f.lines().last(), kVillager3);
    }

    void undoWithABadQuantityKeepsTheLine()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine), line48("U83 Villager")});
        ui(f.form).picker->setVillagerCount(4);
        ui(f.form).text->setUndoAvailable(true);
        f.dialogs.expectMessage();
        QTest::mouseClick(ui(f.form).removeLastLineButton, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages[0].text, kConversion.arg(QStringLiteral(" ")));
        QCOMPARE(f.lines().size(), 2);
        QCOMPARE(ui(f.form).picker->villagerCount(), 4);
        QVERIFY(ui(f.form).removeLastLineButton->isEnabled());
        VERIFY_DIALOGS(f);
    }

    void undoOnAnEmptyTextDisablesItself()
    {
        FormFixture f;
        ui(f.form).textArea->clearText();
        ui(f.form).text->setUndoAvailable(true);
        ui(f.form).removeLastLineButton->click();
        QCOMPARE(f.text(), QString());
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
    }

    void recount()
    {
        FormFixture f;
        f.setLines({kVillager3, kVillager2Limit5, line48("// Villager 9")});
        ui(f.form).villagerBox->setText(QStringLiteral("77")); // typed by the user, never read
        QTest::mouseClick(ui(f.form).refreshVillagersButton, Qt::LeftButton);
        QCOMPARE(ui(f.form).picker->villagerCount(), 5);
        QCOMPARE(ui(f.form).villagerBox->text(), QStringLiteral("5"));
        VERIFY_DIALOGS(f);
    }

    void recountStopsAtABlankQuantity()
    {
        FormFixture f;
        f.setLines({kVillager3, line48("U83 Villager"), kVillager2Limit5});
        ui(f.form).villagerBox->setText(QStringLiteral("0"));
        f.dialogs.expectMessage();
        QTest::mouseClick(ui(f.form).refreshVillagersButton, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages[0].text, kConversion.arg(QStringLiteral(" ")));
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
        QCOMPARE(ui(f.form).villagerBox->text(), QStringLiteral("0"));
        VERIFY_DIALOGS(f);
    }

    void recountOfAShortVillagerLineShowsEmptyQuotes()
    {
        FormFixture f;
        f.setLines({QStringLiteral("U83 Villager")});
        f.dialogs.expectMessage();
        QTest::mouseClick(ui(f.form).refreshVillagersButton, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("'' is not a valid integer value."));
    }

    void recountInLinesModeTakesTheList()
    {
        FormFixture f;
        linesMode(f, {kVillager3, kVillager2Limit5}, 1);
        ui(f.form).picker->recountVillagers();
        QCOMPARE(f.text(), kVillager3 + "\r\n" + kVillager2Limit5 + "\r\n");
        QCOMPARE(ui(f.form).picker->villagerCount(), 5);
        QVERIFY(!f.form.isModified()); // a count changes no line
    }

    void insertAtTheInsertionPoint()
    {
        FormFixture f;
        const QStringList five = lettered(5);
        linesMode(f, five, 3);
        chooseVillagers(f, "3");
        ui(f.form).picker->appendItem();
        QCOMPARE(f.listItems().at(3), kVillager3);
        chooseVillagers(f, "2");
        ui(f.form).picker->appendItem();
        QCOMPARE(f.listItems().at(3), QStringLiteral("U83       Villager             2      109       "));
        QCOMPARE(f.listItems().at(4), kVillager3);
        QCOMPARE(f.form.document().position().insertAt, 3);
        QCOMPARE(ui(f.form).picker->villagerCount(), 5);
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled()); // Insert never enables Undo
        QCOMPARE(f.lines(), f.listItems()); // the text area shows the document too
        QVERIFY(f.form.isModified());
    }

    void insertionPointZeroActsAsOne()
    {
        FormFixture f;
        linesMode(f, lettered(3), 0);
        chooseVillagers(f, "3");
        ui(f.form).picker->appendItem();
        QCOMPARE(f.listItems().at(1), kVillager3);
        QCOMPARE(f.form.document().position().insertAt, 1);
    }

    void insertionPointPastTheEndAppends()
    {
        FormFixture f;
        linesMode(f, lettered(5), 7);
        chooseVillagers(f, "3");
        ui(f.form).picker->appendItem();
        QCOMPARE(f.listItems().size(), 6);
        QCOMPARE(f.listItems().at(5), kVillager3);
    }

    void noInsertionPointAnsweredNo()
    {
        FormFixture f;
        linesMode(f, lettered(2), -1);
        chooseVillagers(f, "3");
        f.dialogs.expectMessage(MsgResult::No);
        ui(f.form).picker->appendItem();
        const auto& m = f.dialogs.messages.at(0);
        QCOMPARE(m.title, AppendMessages::kNoInsertionPointTitle);
        QCOMPARE(m.text, AppendMessages::kNoInsertionPoint);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(f.listItems().size(), 2);
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
        QVERIFY(f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void noInsertionPointAnsweredYes()
    {
        FormFixture f;
        linesMode(f, lettered(2), -1);
        chooseVillagers(f, "3");
        f.dialogs.expectMessage(MsgResult::Yes);
        ui(f.form).picker->appendItem();
        QCOMPARE(f.listItems().size(), 3);
        QCOMPARE(f.listItems().last(), kVillager3);
        QCOMPARE(ui(f.form).lineList->itemIndex(), 2);
        QCOMPARE(f.form.document().position().line, 2);
        QCOMPARE(f.form.document().position().insertAt, 3);
        QCOMPARE(f.form.document().position().findFrom, 2);
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
        // A further Insert goes after it.
        ui(f.form).picker->appendItem();
        QCOMPARE(f.listItems().size(), 4);
        QCOMPARE(f.listItems().last(), kVillager3);
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestAppend)
#include "tst_append.moc"
