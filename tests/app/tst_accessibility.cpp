// What assistive technology and the keyboard meet in each window: every
// control's name, role and value, the labels that name fields, and a Tab
// order that follows the layout.
#include "app/mainwindow.h"
#include "app/statuspanels.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/updownarrows.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/window/filecommands.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "support/nowarnings.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// What a screen reader is told of a control.
QString accessibleName(QObject* control)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // What a screen reader reads of each control: its name, and for the
    // item boxes and the status panels what they show, as it changes.
    void controlsHaveNames()
    {
        FormFixture f;
        MainWindow& m = f.form;
        const QList<StatusPanel*> panels = ui(m).statusPanels->findChildren<StatusPanel*>();
        const QList<QPair<QObject*, const char*>> named = {
            {ui(m).toilet, "Remove line: drop a line here"},
            {ui(m).itemBox, "Item"},
            {ui(m).quantitySpin, "Quantity"},
            {ui(m).quantityArrows, "Quantity spinner"},
            {::named<QToolButton>(*ui(m).quantityArrows, "up"), "Increase quantity"},
            {::named<QToolButton>(*ui(m).retrainsArrows, "down"), "Decrease retrains"},
            {ui(m).retrainsSpin, "Retrains"},
            {ui(m).textArea, "Build list"},
            {ui(m).lineList, "Build list"},
            {ui(m).villagerBox, "Villagers"},
            {panels.value(0), "File: none"},
            {panels.value(2), "Mode: Normal"},
            {panels.value(4), "Saved"},
            {ui(f.form2).unitBox, "Unit to count"},
            {ui(f.form2).counts, "Counts"},
            {ui(f.form2).countButton, "Get Count"},
            {ui(*f.windows.checkOrderWindow).problemList, "Problems: none"},
            {ui(*f.windows.checkOrderWindow).checkButton, "Check"},
        };
        for (const auto& [control, name] : named)
            QCOMPARE(accessibleName(control), QString::fromLatin1(name));
        QVERIFY(
            !QAccessible::queryAccessibleInterface(ui(m).toilet)->text(QAccessible::Description).isEmpty());
        QVERIFY(!QAccessible::queryAccessibleInterface(ui(m).modeButton)
                     ->text(QAccessible::Description)
                     .isEmpty());
        // The boxes' entries without the catalog's padding.
        QCOMPARE(QAccessible::queryAccessibleInterface(ui(m).itemBox)->text(QAccessible::Value), "Villager");
        QCOMPARE(QAccessible::queryAccessibleInterface(ui(f.form2).unitBox)->text(QAccessible::Value),
                 ui(f.form2).unitBox->currentText().trimmed());
        // The panels follow the window's state.
        ui(m).modeButton->click();
        m.document().insertLines(LineStep::Kind::Insert, 1, {QStringLiteral("// x")});
        QCOMPARE(accessibleName(panels.value(2)), "Mode: Lines");
        QCOMPARE(accessibleName(panels.value(4)), "Unsaved changes");
        QCOMPARE(QAccessible::queryAccessibleInterface(panels.value(1))->role(), QAccessible::NoRole);
        // Labels name their fields.
        for (auto [label, field] : {std::pair<QLabel*, QWidget*>{ui(m).quantityLabel, ui(m).quantitySpin},
                                    {ui(m).retrainsLabel, ui(m).retrainsSpin},
                                    {ui(m).villagersLabel, ui(m).villagerBox}}) {
            const auto relations =
                QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label);
            QVERIFY2(std::any_of(relations.begin(), relations.end(),
                                 [&](const auto& r) { return r.first->object() == label; }),
                     qPrintable(label->text()));
        }
        // The Count and Check Order windows are windows.
        for (QObject* window :
             {static_cast<QObject*>(&f.form2), static_cast<QObject*>(f.windows.checkOrderWindow.get())})
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    }

    // The quantity and retrain boxes are spin boxes to assistive
    // technology: their number is their value, within their arrows' range,
    // still read and edited as text. (That each step is heard, the
    // real-window suite's reader checks.)
    void numberBoxesAreSpinBoxes()
    {
        FormFixture f;
        MainWindow& m = f.form;
        QAccessibleInterface* quantity = QAccessible::queryAccessibleInterface(ui(m).quantitySpin);
        QCOMPARE(quantity->role(), QAccessible::SpinBox);
        QVERIFY(quantity->valueInterface() && quantity->textInterface() && quantity->editableTextInterface());
        QCOMPARE(quantity->valueInterface()->currentValue().toInt(), 1);
        QCOMPARE(quantity->valueInterface()->minimumValue().toInt(), 1);
        QCOMPARE(quantity->valueInterface()->maximumValue().toInt(), 10);
        QCOMPARE(quantity->text(QAccessible::Name), QStringLiteral("Quantity"));
        QAccessibleInterface* retrains = QAccessible::queryAccessibleInterface(ui(m).retrainsSpin);
        QCOMPARE(retrains->role(), QAccessible::SpinBox);
        QCOMPARE(retrains->valueInterface()->maximumValue().toInt(), 50);

        ui(m).quantityArrows->click(UpDownArrows::Button::Up);
        ui(m).quantityArrows->click(UpDownArrows::Button::Up);
        QCOMPARE(quantity->valueInterface()->currentValue().toInt(), 3);
        QCOMPARE(quantity->textInterface()->text(0, quantity->textInterface()->characterCount()), "3");
        // Typed over through the text, or set as a value: the box follows.
        quantity->editableTextInterface()->replaceText(0, 1, QStringLiteral("7"));
        QCOMPARE(ui(m).quantitySpin->text(), QStringLiteral("7"));
        quantity->valueInterface()->setCurrentValue(9);
        QCOMPARE(ui(m).quantitySpin->text(), QStringLiteral("9"));
    }

    // Tab goes through each window's controls in the order of its layout.
    void tabOrderFollowsTheLayout()
    {
        FormFixture f;
        MainWindow& m = f.form;
        CountWindow& c = f.form2;
        CheckOrderWindow& o = *f.windows.checkOrderWindow;
        const QList<QList<QWidget*>> windows = {
            {ui(m).itemBox, ui(m).quantitySpin, ui(m).retrainsSpin, ui(m).unitsRadio, ui(m).buildingsRadio,
             ui(m).researchRadio, ui(m).unitLimitCheck, ui(m).appendButton, ui(m).removeLastLineButton,
             ui(m).modeButton, ui(m).textArea, ui(m).lineList, ui(m).villagerBox,
             ui(m).refreshVillagersButton, ui(m).exitButton},
            {ui(c).unitBox, ui(c).countButton, ui(c).counts, ui(c).clearButton, ui(c).copyButton,
             ui(c).closeButton},
            {ui(o).problemList, ui(o).checkButton, ui(o).closeButton},
        };
        for (const QList<QWidget*>& order : windows) {
            QList<QWidget*> chain;
            QWidget* w = order.first();
            do {
                if (order.contains(w))
                    chain << w;
                w = w->nextInFocusChain();
            } while (w != order.first());
            QCOMPARE(chain, order);
        }
    }

    // What Append, the Undo button and Save did is a notification, which a
    // screen reader says as it shows.
    void resultsAreNotifications()
    {
        FormFixture f;
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        auto* announcer = f.form.findChild<QLabel*>(QStringLiteral("announcer"));
        QVERIFY(announcer);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(a->role(), QAccessible::Notification);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Appended line 2: U83 Villager 1 109"));
        QTest::mouseClick(ui(f.form).removeLastLineButton, Qt::LeftButton);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Removed line 2: U83 Villager 1 109"));
        QTemporaryDir dir;
        f.dialogs.expectSave(dir.filePath(QStringLiteral("plan.ai")));
        ui(f.form).files->save();
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Saved plan.ai"));
        VERIFY_DIALOGS(f);
    }

    void rulerIsHiddenFromAssistiveTools()
    {
        FormFixture f;
        f.form.show();
        QAccessibleInterface* ruler = QAccessible::queryAccessibleInterface(ui(f.form).ruler);
        QVERIFY(ruler);
        QVERIFY(ruler->state().invisible);
        QCOMPARE(ruler->role(), QAccessible::NoRole);
        QCOMPARE(ruler->text(QAccessible::Name), QString());
        // Other labels stay as they are.
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(ui(f.form).quantityLabel);
        QVERIFY(!label->state().invisible);
        QCOMPARE(label->text(QAccessible::Name), ui(f.form).quantityLabel->text());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
