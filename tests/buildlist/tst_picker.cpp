#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "app/window/tupdown.h"
#include "buildlist/lineformat.h"
#include "support/formfixture.h"

#include "support/nowarnings.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QStringList offered(const TForm1& form)
{
    QStringList names;
    for (int i = 0; i < form.cboList->count(); ++i)
        names << form.cboList->itemText(i).trimmed();
    return names;
}

const QString kAgeTool = QStringLiteral("R101      R_Age_Tool           1      109       ");

} // namespace

class TestPicker : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void offersFollowTheStartingLine()
    {
        FormFixture f;
        f.form.radioUnitsClick();
        QCOMPARE(offered(f.form), QStringList{"Villager"});
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Villager         "));
        f.form.radioBldgsClick();
        QCOMPARE(offered(f.form),
                 (QStringList{"Barracks", "Dock", "Granary", "House", "Storage Pit", "Town Center"}));
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Barracks         "));
        f.form.radioResearchClick();
        QCOMPARE(offered(f.form), QStringList{"Age Tool"});
    }

    void researchLineChangesTheOffer()
    {
        FormFixture f;
        f.form.document().insertLines(LineStep::Kind::Append, 1, {kAgeTool});
        f.form.radioResearchClick();
        QCOMPARE(offered(f.form), QStringList{"Age Bronze"});
        f.form.radioBldgsClick();
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
        f.form.document().insertLines(LineStep::Kind::Append, 1, {kAgeTool});
        f.form.radioBldgs->click();
        f.form.cboList->setItemIndex(int(offered(f.form).indexOf("Archery")));
        f.form.cmdAddClick();
        f.form.radioUnits->click();
        QVERIFY(offered(f.form).contains("Archer"));
        auto refilled = [&] {
            const QStringList now = offered(f.form);
            const QString chosen = f.form.cboList->text();
            f.form.radioUnits->click();
            const QStringList fresh = offered(f.form);
            f.form.cboList->setText(chosen);
            return now == fresh;
        };
        if (linesMode)
            f.form.cmdEditClick();
        f.form.cboList->setItemIndex(int(offered(f.form).indexOf("Villager")));
        f.form.mnuUndo->trigger();
        QVERIFY(!offered(f.form).contains("Archer")); // in either mode: the list has no Archery
        QCOMPARE(f.form.cboList->text().trimmed(), QStringLiteral("Villager")); // still offered, still chosen
        QVERIFY(refilled());
        f.form.mnuRedo->trigger();
        QVERIFY(offered(f.form).contains("Archer"));
        QVERIFY(refilled());
        if (linesMode)
            return;
        f.form.cboList->setItemIndex(int(offered(f.form).indexOf("Archer")));
        f.form.mnuUndo->trigger(); // the Archer goes: the last offered is chosen
        QVERIFY(!offered(f.form).contains("Archer"));
        QCOMPARE(f.form.cboList->text().trimmed(), offered(f.form).last());
    }

    void unitsSelectTheLastOffered()
    {
        FormFixture f;
        f.setLines({QString::fromLatin1(kStartingLine),
                    QStringLiteral("B12       Barracks             1      -1        ")});
        f.form.radioUnitsClick();
        QCOMPARE(offered(f.form), (QStringList{"Inf Club/Axe Man", "Villager"}));
        QCOMPARE(f.form.cboList->itemIndex(), 1);
    }

    void noBlankNoBlankRequirement()
    {
        FormFixture f;
        f.setLines({QStringLiteral("B109_TownCenter")});
        f.form.radioBldgsClick();
        QVERIFY(offered(f.form).isEmpty());
        QCOMPARE(f.form.cboList->text(), QString());
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
            f.form.UpDown1->click(TUpDown::Button::Up);
        QCOMPARE(f.form.txtCount->text(), QString::number(position));
        f.form.radioBldgsClick();
        QCOMPARE(f.form.txtCount->text(), afterBuildings);
        f.form.radioResearchClick();
        QCOMPARE(f.form.txtCount->text(), QStringLiteral("1"));
        QCOMPARE(f.form.UpDown1->position(), 1);
    }

    void limitBoxesFollowTheTick()
    {
        FormFixture f;
        f.form.chkRetrains->setChecked(true);
        QVERIFY(f.form.txtRetrains->isEnabled());
        QVERIFY(f.form.UpDown2->isEnabled());
        f.form.UpDown2->click(TUpDown::Button::Up);
        QCOMPARE(f.form.txtRetrains->text(), QStringLiteral("3"));
        f.form.radioBldgsClick();
        QVERIFY(!f.form.chkRetrains->isChecked());
        QVERIFY(!f.form.txtRetrains->isEnabled());
        QVERIFY(!f.form.UpDown2->isEnabled());
        QVERIFY(!f.form.chkRetrainB->isHidden());
        f.form.chkRetrainB->setChecked(true);
        QVERIFY(f.form.txtRetrains->isEnabled());
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
        f.form.chkRetrains->setChecked(true);
        QWidget* box = retrains ? static_cast<QWidget*>(f.form.txtRetrains) : f.form.txtCount;
        for (QChar k : keys) {
            const bool keypad = k == 'k' || k == 'j';
            const bool up = k.toLower() == 'u' || k == 'k';
            QTest::keyClick(box, up ? Qt::Key_Up : Qt::Key_Down,
                            keypad        ? Qt::KeypadModifier
                            : k.isUpper() ? Qt::ShiftModifier
                                          : Qt::NoModifier);
        }
        QCOMPARE(retrains ? f.form.txtRetrains->text() : f.form.txtCount->text(), shown);
    }

    void checkBoxesPerCategory()
    {
        FormFixture f;
        f.form.radioResearchClick();
        QVERIFY(!f.form.chkCritical->isHidden());
        QVERIFY(f.form.chkRetrains->isHidden());
        QVERIFY(f.form.chkRetrainB->isHidden());
        f.form.chkCritical->setChecked(true);
        f.form.radioResearchClick();
        QVERIFY(!f.form.chkCritical->isChecked());
    }

    void refillDisablesUndo()
    {
        FormFixture f;
        f.form.setUndoAvailable(true);
        f.form.radioUnitsClick();
        QVERIFY(!f.form.cmdDelete->isEnabled());
    }

    void typeAhead()
    {
        FormFixture f;
        f.form.radioBldgsClick();
        f.form.cboList->lineEdit()->selectAll();
        QTest::keyClicks(f.form.cboList->lineEdit(), QStringLiteral("g"));
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Granary          "));
        f.form.radioUnitsClick();
        f.form.cboList->lineEdit()->clear();
        QTest::keyClicks(f.form.cboList->lineEdit(), QStringLiteral("v"));
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Villager         "));
        f.form.cboList->lineEdit()->clear();
        QTest::keyClicks(f.form.cboList->lineEdit(), QStringLiteral("x"));
        QCOMPARE(f.form.cboList->text(), QStringLiteral("x"));
    }

    // Up and Down on the closed item box step through the items and keep
    // the focus there, so the items can be browsed; a choice from the
    // drop-down list moves it to the quantity.
    void arrowsOnTheClosedItemBoxKeepTheFocus()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        f.form.radioBldgs->click();
        f.form.cboList->setFocus();
        QCOMPARE(f.form.cboList->itemIndex(), 0);
        QTest::keyClick(f.form.cboList, Qt::Key_Down);
        QCOMPARE(f.form.cboList->itemIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), f.form.cboList);
        QTest::keyClick(f.form.cboList, Qt::Key_Up);
        QCOMPARE(f.form.cboList->itemIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), f.form.cboList);
        emit f.form.cboList->activated(2); // from the drop-down list
        QCOMPARE(QApplication::focusWidget(), f.form.txtCount);
    }

    void choosingFromTheListMovesTheFocus()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        f.form.radioBldgsClick();
        emit f.form.cboList->activated(2);
        QCOMPARE(QApplication::focusWidget(), f.form.txtCount);
        // With its text selected, so the digit typed next replaces it.
        QCOMPARE(f.form.txtCount->selectedText(), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QCOMPARE(f.form.txtCount->text(), QStringLiteral("5"));
    }

    // New gives the item box the focus with its text selected, even when
    // the box had the focus already.
    void newSelectsTheItemText()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.form.cboList));
        f.form.cboList->lineEdit()->deselect();
        f.form.mnuNewClick();
        QCOMPARE(f.form.cboList->lineEdit()->selectedText(), f.form.cboList->text());
        QTest::keyClick(f.form.cboList, Qt::Key_V);
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Villager         "));
        VERIFY_DIALOGS(f);
    }

    void spinnerWritesTheQuantity()
    {
        FormFixture f;
        f.form.UpDown1->click(TUpDown::Button::Up);
        QCOMPARE(f.form.txtCount->text(), QStringLiteral("2"));
        f.form.txtCount->setText(QStringLiteral("7")); // typing does not move the spinner
        f.form.UpDown1->click(TUpDown::Button::Up);
        QCOMPARE(f.form.txtCount->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
