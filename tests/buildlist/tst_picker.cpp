#include "app/mainwindow.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "buildlist/window/steppededit.h"
#include "buildlist/window/updownarrows.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/window/filecommands.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "support/nowarnings.h"
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList offered(const MainWindow& form)
{
    QStringList names;
    for (int i = 0; i < ui(form).itemBox->count(); ++i)
        names << ui(form).itemBox->itemText(i).trimmed();
    return names;
}

const QString kAgeTool = QStringLiteral("R101      R_Age_Tool           1      109       ");

} // namespace

class TestPicker : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // The picker on its own, with a build list of two lines: where the
    // line it makes goes, and the tally, which counts only a placed line.
    void pickerAlone_data()
    {
        QTest::addColumn<bool>("inserting");
        QTest::addColumn<int>("insertAt");
        QTest::addColumn<int>("row"); // -1: asked, and told No
        QTest::addColumn<int>("villagers");
        QTest::newRow("appended at the end") << false << 1 << 2 << 3;
        QTest::newRow("inserted at the point") << true << 1 << 1 << 3;
        QTest::newRow("never above the first") << true << 0 << 1 << 3;
        QTest::newRow("at the end of the list") << true << 9 << 2 << 3;
        QTest::newRow("no point: asked, placed nowhere") << true << -1 << -1 << 0;
    }
    void pickerAlone()
    {
        QFETCH(bool, inserting);
        QFETCH(int, insertAt);
        QFETCH(int, row);
        QFETCH(int, villagers);
        const QStringList start{QString::fromLatin1(kStartingLine), line48("// end")};
        PartFixture p(start);
        BuildList& document = p.document;
        QWidget& client = p.window;
        setPlace(document, 0, insertAt);
        ItemPicker picker(p.app, document, p.catalog, &client);
        QSignalSpy appended(&picker, &ItemPicker::appended);
        picker.setInserting(inserting);
        picker.showUnits();
        named<SteppedEdit>(client, "txtCount")->setText(QStringLiteral("3"));
        QCOMPARE(named<CompletingComboBox>(client, "cboList")->text().trimmed(), QStringLiteral("Villager"));
        if (row < 0)
            p.dialogs.expectMessage(MsgResult::No);
        picker.appendItem();
        const QString line = QStringLiteral("U83       Villager             3      109       ");
        QStringList expected = start;
        if (row >= 0)
            expected.insert(row, line);
        QCOMPARE(document.lines(), expected);
        QCOMPARE(picker.villagerCount(), villagers);
        QCOMPARE(named<TextBox>(client, "txtVillagers")->text(), QString::number(villagers));
        QCOMPARE(appended.size(), 1);
        // Append counts as unsaved work even when it placed nothing.
        QVERIFY(document.isModified());
        VERIFY_DIALOGS(p);
    }

    void offersFollowTheStartingLine()
    {
        FormFixture f;
        ui(f.form).picker->showUnits();
        QCOMPARE(offered(f.form), QStringList{"Villager"});
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Villager         "));
        ui(f.form).picker->showBuildings();
        QCOMPARE(offered(f.form),
                 (QStringList{"Barracks", "Dock", "Granary", "House", "Storage Pit", "Town Center"}));
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Barracks         "));
        ui(f.form).picker->showResearch();
        QCOMPARE(offered(f.form), QStringList{"Age Tool"});
    }

    void researchLineChangesTheOffer()
    {
        FormFixture f;
        f.form.document().insertLines(LineStep::Kind::Append, 1, {kAgeTool});
        ui(f.form).picker->showResearch();
        QCOMPARE(offered(f.form), QStringList{"Age Bronze"});
        ui(f.form).picker->showBuildings();
        QCOMPARE(offered(f.form), (QStringList{"Archery", "Barracks", "Dock", "Granary", "House", "Market",
                                               "Stable", "Storage Pit", "Town Center"}));
    }

    // Undo and Redo change what the list allows: the picker then offers
    // what a refill of its category would (in Lines mode, from the text as
    // the last copy left it), and keeps the choice where it still stands.
    void offersFollowUndoAndRedo_data()
    {
        QTest::addColumn<bool>("linesMode");
        QTest::newRow("normal mode") << false;
        QTest::newRow("lines mode") << true;
    }
    void offersFollowUndoAndRedo()
    {
        QFETCH(bool, linesMode);
        FormFixture f;
        // With the Barracks, Units offers two: the first is not the last.
        f.form.document().insertLines(
            LineStep::Kind::Append, 1,
            {kAgeTool, QStringLiteral("B12       Barracks             1      -1        ")});
        ui(f.form).buildingsRadio->click();
        ui(f.form).itemBox->setItemIndex(int(offered(f.form).indexOf("Archery")));
        ui(f.form).picker->appendItem();
        ui(f.form).unitsRadio->click();
        QVERIFY(offered(f.form).contains("Archer"));
        auto refilled = [&] {
            const QStringList now = offered(f.form);
            const QString chosen = ui(f.form).itemBox->text();
            ui(f.form).unitsRadio->click();
            const QStringList fresh = offered(f.form);
            ui(f.form).itemBox->setText(chosen);
            return now == fresh;
        };
        if (linesMode)
            ui(f.form).modeButton->click();
        ui(f.form).itemBox->setItemIndex(int(offered(f.form).indexOf("Villager")));
        ui(f.form).undoAction->trigger();
        QVERIFY(!offered(f.form).contains("Archer")); // in either mode: the list has no Archery
        QCOMPARE(ui(f.form).itemBox->text().trimmed(),
                 QStringLiteral("Villager")); // still offered, still chosen
        QVERIFY(refilled());
        ui(f.form).redoAction->trigger();
        QVERIFY(offered(f.form).contains("Archer"));
        QVERIFY(refilled());
        if (linesMode)
            return;
        ui(f.form).itemBox->setItemIndex(int(offered(f.form).indexOf("Archer")));
        ui(f.form).undoAction->trigger(); // the Archer goes: the last offered is chosen
        QVERIFY(!offered(f.form).contains("Archer"));
        QCOMPARE(offered(f.form), (QStringList{"Inf Club/Axe Man", "Villager"}));
        QCOMPARE(ui(f.form).itemBox->text().trimmed(), offered(f.form).last());
    }

    // After New and Open the offer is what the new list allows.
    void offersFollowNewAndOpen()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine),
                    QStringLiteral("B12       Barracks             1      -1        ")});
        ui(f.form).picker->showUnits();
        QVERIFY(offered(f.form).contains("Inf Club/Axe Man"));
        ui(f.form).files->newList();
        QCOMPARE(offered(f.form), QStringList{"Villager"});
        f.setLines({QString::fromLatin1(kStartingLine),
                    QStringLiteral("B12       Barracks             1      -1        ")});
        ui(f.form).picker->showUnits();
        QVERIFY(offered(f.form).contains("Inf Club/Axe Man"));
        QTemporaryDir dir;
        const QString plan = dir.filePath("plan.ai");
        QFile file(plan);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kStartingLine) + "\r\n");
        file.close();
        f.dialogs.expectOpen(plan);
        ui(f.form).files->openFromDialog();
        QCOMPARE(offered(f.form), QStringList{"Villager"});
        VERIFY_DIALOGS(f);
    }

    void unitsSelectTheLastOffered()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine),
                    QStringLiteral("B12       Barracks             1      -1        ")});
        ui(f.form).picker->showUnits();
        QCOMPARE(offered(f.form), (QStringList{"Inf Club/Axe Man", "Villager"}));
        QCOMPARE(ui(f.form).itemBox->itemIndex(), 1);
    }

    void noBlankNoBlankRequirement()
    {
        FormFixture f;
        f.setLines({QStringLiteral("B109_TownCenter")});
        ui(f.form).picker->showBuildings();
        QVERIFY(offered(f.form).isEmpty());
        QCOMPARE(ui(f.form).itemBox->text(), QString());
    }

    void quantityOnCategoryChange_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("afterBuildings");
        QTest::newRow("1 stays") << 1 << "1";
        QTest::newRow("2 stays") << 2 << "2";
        QTest::newRow("3 resets") << 3 << "1";
    }
    void quantityOnCategoryChange()
    {
        QFETCH(int, position);
        QFETCH(QString, afterBuildings);
        FormFixture f;
        for (int i = 1; i < position; ++i)
            ui(f.form).quantityArrows->click(UpDownArrows::Button::Up);
        QCOMPARE(ui(f.form).quantitySpin->text(), QString::number(position));
        ui(f.form).picker->showBuildings();
        QCOMPARE(ui(f.form).quantitySpin->text(), afterBuildings);
        ui(f.form).picker->showResearch();
        QCOMPARE(ui(f.form).quantitySpin->text(), QStringLiteral("1"));
        QCOMPARE(ui(f.form).quantityArrows->position(), 1);
    }

    void limitBoxesFollowTheTick()
    {
        FormFixture f;
        ui(f.form).unitLimitCheck->setChecked(true);
        QVERIFY(ui(f.form).retrainsSpin->isEnabled());
        QVERIFY(ui(f.form).retrainsArrows->isEnabled());
        ui(f.form).retrainsArrows->click(UpDownArrows::Button::Up);
        QCOMPARE(ui(f.form).retrainsSpin->text(), QStringLiteral("3"));
        ui(f.form).picker->showBuildings();
        QVERIFY(!ui(f.form).unitLimitCheck->isChecked());
        QVERIFY(!ui(f.form).retrainsSpin->isEnabled());
        QVERIFY(!ui(f.form).retrainsArrows->isEnabled());
        QVERIFY(!ui(f.form).buildingLimitCheck->isHidden());
        ui(f.form).buildingLimitCheck->setChecked(true);
        QVERIFY(ui(f.form).retrainsSpin->isEnabled());
    }

    // Up and Down in the quantity and retrain boxes step them as the arrows
    // do: within the range, without wrapping; other keys are the box's own.
    void arrowKeysStepTheBoxes_data()
    {
        QTest::addColumn<bool>("retrains");
        QTest::addColumn<QString>("keys"); // u up, d down, U shift+up, k and j the keypad's
        QTest::addColumn<QString>("shown");
        QTest::newRow("quantity up twice") << false << "uu"
                                           << "3";
        QTest::newRow("quantity stops at 1") << false << "ddu"
                                             << "2";
        QTest::newRow("quantity stops at 10") << false << QString(12, 'u') << "10";
        QTest::newRow("shift+up is not a step") << false << "U"
                                                << "1";
        QTest::newRow("retrains stop at 2") << true << "dud"
                                            << "2";
        QTest::newRow("retrains up") << true << "uuu"
                                     << "5";
        QTest::newRow("keypad up and down, NumLock off") << false << "kkkj"
                                                         << "3";
        QTest::newRow("keypad retrains") << true << "kj"
                                         << "2";
    }
    void arrowKeysStepTheBoxes()
    {
        QFETCH(bool, retrains);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        FormFixture f;
        ui(f.form).unitLimitCheck->setChecked(true);
        QWidget* box = retrains ? static_cast<QWidget*>(ui(f.form).retrainsSpin) : ui(f.form).quantitySpin;
        for (QChar k : keys) {
            const bool keypad = k == 'k' || k == 'j';
            const bool up = k.toLower() == 'u' || k == 'k';
            QTest::keyClick(box, up ? Qt::Key_Up : Qt::Key_Down,
                            keypad        ? Qt::KeypadModifier
                            : k.isUpper() ? Qt::ShiftModifier
                                          : Qt::NoModifier);
        }
        QCOMPARE(retrains ? ui(f.form).retrainsSpin->text() : ui(f.form).quantitySpin->text(), shown);
    }

    void checkBoxesPerCategory()
    {
        FormFixture f;
        ui(f.form).picker->showResearch();
        QVERIFY(!ui(f.form).criticalCheck->isHidden());
        QVERIFY(ui(f.form).unitLimitCheck->isHidden());
        QVERIFY(ui(f.form).buildingLimitCheck->isHidden());
        ui(f.form).criticalCheck->setChecked(true);
        ui(f.form).picker->showResearch();
        QVERIFY(!ui(f.form).criticalCheck->isChecked());
    }

    void refillDisablesUndo()
    {
        FormFixture f;
        ui(f.form).text->setUndoAvailable(true);
        ui(f.form).picker->showUnits();
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
    }

    void typeAhead()
    {
        FormFixture f;
        ui(f.form).picker->showBuildings();
        ui(f.form).itemBox->lineEdit()->selectAll();
        QTest::keyClicks(ui(f.form).itemBox->lineEdit(), QStringLiteral("g"));
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Granary          "));
        ui(f.form).picker->showUnits();
        ui(f.form).itemBox->lineEdit()->clear();
        QTest::keyClicks(ui(f.form).itemBox->lineEdit(), QStringLiteral("v"));
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Villager         "));
        ui(f.form).itemBox->lineEdit()->clear();
        QTest::keyClicks(ui(f.form).itemBox->lineEdit(), QStringLiteral("x"));
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("x"));
    }

    // Past the first letter, typing goes on matching and the completed
    // part is selected, so that the next letter types over it; taking
    // letters away completes nothing.
    void typeAheadGoesOn_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        const QString villager = QStringLiteral("Villager         ");
        QTest::newRow("one letter") << "v" << villager << villager.mid(1);
        QTest::newRow("four letters") << "vill" << villager << villager.mid(4);
        QTest::newRow("in capitals") << "VILL" << villager << villager.mid(4);
        QTest::newRow("then no match") << "vx"
                                       << "Vx"
                                       << "";
        QTest::newRow("then Backspace") << "vill\b"
                                        << "Vill"
                                        << "";
    }
    void typeAheadGoesOn()
    {
        QFETCH(QString, typed);
        FormFixture f;
        QLineEdit* edit = ui(f.form).itemBox->lineEdit();
        edit->clear();
        for (QChar c : typed) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, QString(c));
        }
        QTEST(ui(f.form).itemBox->text(), "text");
        QTEST(edit->selectedText(), "selected");
    }

    // Tab and Shift+Tab enter the category group on the chosen category, and
    // the arrows then choose.
    void tabEntersTheGroupOnTheChosenCategory_data()
    {
        QTest::addColumn<int>("category"); // 0 Units, 1 Buildings, 2 Research
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<int>("chosenAfter");
        QTest::newRow("units, Shift+Tab, Down") << 0 << true << int(Qt::Key_Down) << 1;
        QTest::newRow("buildings, Tab, Down") << 1 << false << int(Qt::Key_Down) << 2;
        QTest::newRow("research, Shift+Tab, Up") << 2 << true << int(Qt::Key_Up) << 1;
    }
    void tabEntersTheGroupOnTheChosenCategory()
    {
        QFETCH(int, category);
        QFETCH(bool, backwards);
        QFETCH(int, arrow);
        QFETCH(int, chosenAfter);
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        const MainControls& c = ui(f.form);
        QRadioButton* radios[] = {c.unitsRadio, c.buildingsRadio, c.researchRadio};
        QCheckBox* checks[] = {c.unitLimitCheck, c.buildingLimitCheck, c.criticalCheck};
        radios[category]->click();
        QWidget* from = backwards ? static_cast<QWidget*>(checks[category]) : c.quantitySpin;
        from->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(from, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(radios[category]));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(arrow));
        QVERIFY(radios[chosenAfter]->isChecked());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(radios[chosenAfter]));
    }

    // Up and Down on the closed item box step through the items and keep
    // the focus there, so the items can be browsed; a choice from the
    // drop-down list moves it to the quantity.
    void arrowsOnTheClosedItemBoxKeepTheFocus()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        ui(f.form).buildingsRadio->click();
        ui(f.form).itemBox->setFocus();
        QCOMPARE(ui(f.form).itemBox->itemIndex(), 0);
        QTest::keyClick(ui(f.form).itemBox, Qt::Key_Down);
        QCOMPARE(ui(f.form).itemBox->itemIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), ui(f.form).itemBox);
        QTest::keyClick(ui(f.form).itemBox, Qt::Key_Up);
        QCOMPARE(ui(f.form).itemBox->itemIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), ui(f.form).itemBox);
        emit ui(f.form).itemBox->activated(2); // from the drop-down list
        QCOMPARE(QApplication::focusWidget(), ui(f.form).quantitySpin);
    }

    void choosingFromTheListMovesTheFocus()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        ui(f.form).picker->showBuildings();
        emit ui(f.form).itemBox->activated(2);
        QCOMPARE(QApplication::focusWidget(), ui(f.form).quantitySpin);
        // With its text selected, so the digit typed next replaces it.
        QCOMPARE(ui(f.form).quantitySpin->selectedText(), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QCOMPARE(ui(f.form).quantitySpin->text(), QStringLiteral("5"));
    }

    // New gives the item box the focus with its text selected, even when
    // the box had the focus already.
    void newSelectsTheItemText()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(f.form).itemBox));
        ui(f.form).itemBox->lineEdit()->deselect();
        ui(f.form).files->newList();
        QCOMPARE(ui(f.form).itemBox->lineEdit()->selectedText(), ui(f.form).itemBox->text());
        QTest::keyClick(ui(f.form).itemBox, Qt::Key_V);
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Villager         "));
        VERIFY_DIALOGS(f);
    }

    void spinnerWritesTheQuantity()
    {
        FormFixture f;
        ui(f.form).quantityArrows->click(UpDownArrows::Button::Up);
        QCOMPARE(ui(f.form).quantitySpin->text(), QStringLiteral("2"));
        ui(f.form).quantitySpin->setText(QStringLiteral("7")); // typing does not move the spinner
        ui(f.form).quantityArrows->click(UpDownArrows::Button::Up);
        QCOMPARE(ui(f.form).quantitySpin->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
