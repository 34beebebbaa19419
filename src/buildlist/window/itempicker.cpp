#include "buildlist/window/itempicker.h"

#include "buildlist/availability.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/villagers.h"
#include "buildlist/window/appendmessages.h"
#include "buildlist/window/steppededit.h"
#include "buildlist/window/updownarrows.h"
#include "model/errors.h"
#include "widgets/application.h"
#include "widgets/classicedit.h"
#include "widgets/completingcombobox.h"
#include "widgets/objectnames.h"
#include "widgets/placedcontrols.h"
#include "widgets/textbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <utility>

namespace {

// A limit box's click: the retrain box and its spinner follow the tick.
void showLimitBoxes(bool ticked, QLineEdit* retrains, QWidget* spinner)
{
    retrains->setEnabled(ticked);
    QPalette palette = retrains->palette();
    const QPalette system = retrains->style()->standardPalette();
    palette.setColor(QPalette::Base, ticked ? system.color(QPalette::Base) : system.color(QPalette::Button));
    retrains->setPalette(palette);
    spinner->setEnabled(ticked);
}

void name(QWidget* control, const QString& name, const QString& description = QString())
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void setCheckBox(QCheckBox* box, bool visible)
{
    box->setVisible(visible);
    box->setChecked(false); // runs the box's click handler when it was ticked
}

} // namespace

ItemPicker::ItemPicker(Application& app, BuildList& document, const Catalog& catalog, QWidget* client)
    : QObject(client), app_(app), document_(document), catalog_(catalog)
{
    setObjectName(QStringLiteral("itemPicker"));
    createControls(client);
    wireControls();
    nameForScreenReaders();
    // Undo and Redo give back the tally as it was around their step, and
    // offer what the list they leave allows.
    villagerRecord_.keep(
        document_, this, [this] { return villagerCount_; }, [this](int count) { setVillagerCount(count); });
    connect(&document_, &BuildList::stepTravelled, this,
            app_.guarded(this, &ItemPicker::offerWhatTheListAllows));
}

void ItemPicker::createControls(QWidget* client)
{
    categoryGroup = place(new QGroupBox(client), 225, 8, 158, 89);
    unitsRadio = place(new QRadioButton(tr("Units"), categoryGroup), 16, 16);
    buildingsRadio = place(new QRadioButton(tr("Buildings"), categoryGroup), 16, 40);
    researchRadio = place(new QRadioButton(tr("Research"), categoryGroup), 16, 64);
    unitLimitCheck = place(new QCheckBox(tr("Limit"), categoryGroup), 96, 16);
    criticalCheck = place(new QCheckBox(tr("Critical"), categoryGroup), 96, 64);
    unitsRadio->setChecked(true);
    criticalCheck->hide();
    buildingLimitCheck = place(new QCheckBox(tr("Limit"), categoryGroup), 97, 40);
    buildingLimitCheck->hide();

    appendButton = placedButton(tr("Append"), client, 452, 18, 73, 25);

    itemGroup = place(new QGroupBox(client), 16, 8, 201, 89);
    retrainsLabel = placedLabel(tr("Retrains"), itemGroup, 98, 59);
    quantityLabel = placedLabel(tr("Qty"), itemGroup, 22, 59);
    // Each arrow pair lies under its box's right edge.
    quantityArrows = place(new UpDownArrows(1, 10, 1, itemGroup), 68, 57, 16, 19);
    retrainsArrows = place(new UpDownArrows(2, 50, 2, itemGroup), 164, 56, 16, 19);
    retrainsArrows->setEnabled(false);
    itemBox = place(new CompletingComboBox(itemGroup), 20, 19, 161, 21);
    quantitySpin = placedEditBox<SteppedEdit>(QStringLiteral("1"), itemGroup, 44, 57, 25, 19,
                                              quantityArrows->min(), quantityArrows->max());
    retrainsSpin = placedEditBox<SteppedEdit>(QStringLiteral("2"), itemGroup, 140, 57, 25, 19,
                                              retrainsArrows->min(), retrainsArrows->max());
    retrainsSpin->setEnabled(false);
    QPalette grey = retrainsSpin->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    retrainsSpin->setPalette(grey);

    villagerGroup = place(new QGroupBox(client), 19, 333, 185, 43);
    villagerBox = placedEditBox<TextBox>(QStringLiteral("0"), villagerGroup, 62, 14, 25, 21);
    refreshVillagersButton = placedButton(tr("Refresh"), villagerGroup, 103, 14, 69, 21);
    villagersLabel = placedLabel(tr("Villagers"), villagerGroup, 11, 18);

    setObjectNames({{categoryGroup, "GroupBox1"},
                    {unitsRadio, "radioUnits"},
                    {buildingsRadio, "radioBldgs"},
                    {researchRadio, "radioResearch"},
                    {unitLimitCheck, "chkRetrains"},
                    {criticalCheck, "chkCritical"},
                    {buildingLimitCheck, "chkRetrainB"},
                    {appendButton, "cmdAdd"},
                    {itemGroup, "GroupBox2"},
                    {retrainsLabel, "Label2"},
                    {quantityLabel, "Label1"},
                    {quantityArrows, "UpDown1"},
                    {retrainsArrows, "UpDown2"},
                    {itemBox, "cboList"},
                    {quantitySpin, "txtCount"},
                    {retrainsSpin, "txtRetrains"},
                    {villagerGroup, "GroupBox3"},
                    {villagerBox, "txtVillagers"},
                    {refreshVillagersButton, "cmdVillCountRefresh"},
                    {villagersLabel, "Label4"}});
}

void ItemPicker::wireControls()
{
    connect(unitsRadio, &QRadioButton::clicked, this, app_.guarded(this, &ItemPicker::showUnits));
    connect(buildingsRadio, &QRadioButton::clicked, this, app_.guarded(this, &ItemPicker::showBuildings));
    connect(researchRadio, &QRadioButton::clicked, this, app_.guarded(this, &ItemPicker::showResearch));
    // A check box's click event follows every change of its state, the
    // program's own included.
    connect(unitLimitCheck, &QCheckBox::toggled, this, app_.guarded(this, &ItemPicker::toggleUnitLimit));
    connect(buildingLimitCheck, &QCheckBox::toggled, this,
            app_.guarded(this, &ItemPicker::toggleBuildingLimit));
    connect(quantityArrows, &UpDownArrows::clicked, this, app_.guarded(this, &ItemPicker::stepQuantity));
    connect(retrainsArrows, &UpDownArrows::clicked, this, app_.guarded(this, &ItemPicker::stepRetrains));
    quantityArrows->stepWithArrowKeys(quantitySpin);
    retrainsArrows->stepWithArrowKeys(retrainsSpin);
    connect(itemBox, &CompletingComboBox::changedByUser, this, app_.guarded(this, &ItemPicker::itemTyped));
    connect(itemBox, &CompletingComboBox::chosenFromList, this, app_.guarded(this, &ItemPicker::itemChosen));
    connect(appendButton, &QPushButton::clicked, this, app_.guarded(this, &ItemPicker::appendItem));
    connect(refreshVillagersButton, &QPushButton::clicked, this,
            app_.guarded(this, &ItemPicker::recountVillagers));
    for (QRadioButton* radio : {unitsRadio, buildingsRadio, researchRadio})
        connect(radio, &QRadioButton::toggled, this, &ItemPicker::tabToChosenCategory);
    tabToChosenCategory();
}

void ItemPicker::tabToChosenCategory()
{
    // Tab and Shift+Tab enter the group on the chosen category, as in any
    // group of radio buttons; the arrows then choose as they move.
    for (QRadioButton* radio : {unitsRadio, buildingsRadio, researchRadio})
        radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void ItemPicker::nameForScreenReaders()
{
    name(itemBox, tr("Item"), tr("The unit, building or research item to append"));
    name(itemBox->lineEdit(), tr("Item"), tr("Type the start of an item's name"));
    name(quantitySpin, tr("Quantity"), tr("How many of the item the line asks for"));
    name(quantityArrows, tr("Quantity spinner"), tr("Raises or lowers the quantity"));
    name(retrainsSpin, tr("Retrains"), tr("The retrain limit, when Limit is ticked"));
    name(retrainsArrows, tr("Retrains spinner"), tr("Raises or lowers the retrain limit"));
    name(villagerBox, tr("Villagers"), tr("How many villagers the build list trains"));
    quantityArrows->setArrowNames(tr("Increase quantity"), tr("Decrease quantity"));
    retrainsArrows->setArrowNames(tr("Increase retrains"), tr("Decrease retrains"));

    // A label names the field it stands beside.
    quantityLabel->setBuddy(quantitySpin);
    retrainsLabel->setBuddy(retrainsSpin);
    villagersLabel->setBuddy(villagerBox);
}

QWidgetList ItemPicker::focusOrder() const
{
    return {itemBox,       quantitySpin,   retrainsSpin,       unitsRadio,    buildingsRadio,
            researchRadio, unitLimitCheck, buildingLimitCheck, criticalCheck, appendButton};
}

QWidgetList ItemPicker::tallyFocusOrder() const
{
    return {villagerBox, refreshVillagersButton};
}

QWidgetList ItemPicker::controls() const
{
    return {categoryGroup,  unitsRadio,    researchRadio,          buildingsRadio,
            unitLimitCheck, criticalCheck, buildingLimitCheck,     appendButton,
            itemGroup,      retrainsLabel, quantityLabel,          quantityArrows,
            retrainsArrows, itemBox,       quantitySpin,           retrainsSpin,
            villagerGroup,  villagerBox,   refreshVillagersButton, villagersLabel};
}

Category ItemPicker::chosenCategory() const
{
    return researchRadio->isChecked()    ? Category::Research
           : buildingsRadio->isChecked() ? Category::Buildings
                                         : Category::Units;
}

void ItemPicker::focusItemBox()
{
    giveFocus(itemBox);
}

void ItemPicker::setInserting(bool inserting)
{
    inserting_ = inserting;
    appendButton->setText(inserting ? tr("Insert") : tr("Append"));
}

void ItemPicker::setVillagerCount(int count, VillagerBox box)
{
    villagerCount_ = count;
    if (box == VillagerBox::Show)
        villagerBox->setText(IntToStr(count));
}

void ItemPicker::refillPicker(Category category)
{
    offeredFrom_ = document_.contentVersion();
    offeredCategory_ = int(category);
    typedBefore_.clear();
    itemBox->clearAll();
    const QVector<int> rows = offeredRows(catalog_, category, document_.lines(), &document_.absentTexts());
    for (int row : rows)
        itemBox->addItem(catalog_.row(category, row).displayName);
    if (!rows.isEmpty())
        itemBox->setItemIndex(category == Category::Units ? int(rows.size()) - 1 : 0);

    setCheckBox(criticalCheck, category == Category::Research);
    setCheckBox(unitLimitCheck, category == Category::Units);
    setCheckBox(buildingLimitCheck, category == Category::Buildings);

    emit entriesOffered();

    const bool resetQuantity =
        category == Category::Research || (category == Category::Buildings && quantityArrows->position() > 2);
    if (resetQuantity) {
        quantityArrows->setPosition(1);
        quantitySpin->setText(QStringLiteral("1"));
    }
}

void ItemPicker::offerWhatTheListAllows()
{
    const Category category = chosenCategory();
    // The lines a refill reads, unchanged but for their order since the
    // entries were made: they stand, since order changes no offer.
    if (document_.contentVersion() == offeredFrom_ && int(category) == offeredCategory_)
        return;
    offeredFrom_ = document_.contentVersion();
    offeredCategory_ = int(category);
    QStringList offered;
    for (int row : offeredRows(catalog_, category, document_.lines(), &document_.absentTexts()))
        offered << catalog_.row(category, row).displayName;
    QStringList shown;
    for (int i = 0; i < itemBox->count(); ++i)
        shown << itemBox->itemText(i);
    if (offered == shown)
        return;
    const QString chosen = itemBox->text();
    const bool typed = !chosen.isEmpty() && !shown.contains(chosen);
    itemBox->clearAll();
    for (const QString& name : offered)
        itemBox->addItem(name);
    if (typed) {
        itemBox->setText(chosen);
        return;
    }
    int keep = int(offered.indexOf(chosen));
    if (keep < 0 && !offered.isEmpty())
        keep = category == Category::Units ? int(offered.size()) - 1 : 0;
    if (keep >= 0)
        itemBox->setItemIndex(keep);
}

void ItemPicker::showUnits()
{
    refillPicker(Category::Units);
}

void ItemPicker::showBuildings()
{
    refillPicker(Category::Buildings);
}

void ItemPicker::showResearch()
{
    refillPicker(Category::Research);
}

void ItemPicker::toggleUnitLimit()
{
    showLimitBoxes(unitLimitCheck->isChecked(), retrainsSpin, retrainsArrows);
}

void ItemPicker::toggleBuildingLimit()
{
    showLimitBoxes(buildingLimitCheck->isChecked(), retrainsSpin, retrainsArrows);
}

void ItemPicker::stepQuantity()
{
    quantitySpin->setText(IntToStr(quantityArrows->position()));
}

void ItemPicker::stepRetrains()
{
    retrainsSpin->setText(IntToStr(retrainsArrows->position()));
}

void ItemPicker::itemTyped()
{
    const QString typed = itemBox->text();
    const QString before = std::exchange(typedBefore_, typed);
    if (typed.isEmpty())
        return; // an emptied box stays empty
    // Taking characters away (Backspace over the completed part, or over
    // what was typed) completes nothing, or the user could never type less
    // than an item's name.
    if (!before.isEmpty() && typed.size() <= before.size() && before.startsWith(typed))
        return;
    // Type-ahead: the first item that begins with the typed text in
    // capitals; past the first letter, as a combo box matches, in any case.
    int found = -1;
    const QString capitals = typed.toUpper();
    for (int i = 0; i < itemBox->count() && found < 0; ++i)
        if (itemBox->itemText(i).startsWith(capitals, Qt::CaseSensitive))
            found = i;
    for (int i = 0; i < itemBox->count() && found < 0 && typed.size() > 1; ++i)
        if (itemBox->itemText(i).startsWith(typed, Qt::CaseInsensitive))
            found = i;
    if (found < 0)
        return;
    itemBox->setItemIndex(found);
    // The completed part is selected, so that the next letter types over it.
    const int completed = int(itemBox->text().size()) - int(typed.size());
    if (completed > 0)
        itemBox->selectFrom(int(typed.size()));
}

void ItemPicker::itemChosen()
{
    typedBefore_.clear();
    giveFocus(quantitySpin);
}

void ItemPicker::appendItem()
{
    const Category category = chosenCategory();
    const CatalogEntry* entry = catalog_.findByDisplayName(category, itemBox->text());
    if (!entry) {
        // The box names nothing of this category: there is no line to make.
        app_.dialogs().beep();
        if (itemBox->text().isEmpty())
            return; // the empty box says it: nothing is offered
        app_.dialogs().messageBox(
            itemBox->window(),
            tr("\"%1\" is not an item the list offers here. Choose one from the Item box, or type the start "
               "of its name.")
                .arg(itemBox->text().trimmed()),
            tr("Nothing to Append"), MsgButtons::OK, MsgIcon::Exclamation, MsgResult::OK);
        return;
    }
    const bool ticked = category == Category::Units       ? unitLimitCheck->isChecked()
                        : category == Category::Buildings ? buildingLimitCheck->isChecked()
                                                          : criticalCheck->isChecked();
    const QChar kind = kindLetter(category, ticked);
    const QString quantity = quantitySpin->text();
    requireColumnNumber(quantity);
    QString limit;
    if (hasLimitColumn(kind)) {
        limit = retrainsSpin->text();
        requireColumnNumber(limit);
    }

    // One step, however the rest goes: a bad Villager quantity below still
    // leaves the line placed.
    const BuildList::Change change(document_, inserting_ ? LineStep::Kind::Insert : LineStep::Kind::Append);
    const QString line = composeItemLine(kind, *entry, quantity, limit);
    const int row = placeLine(line);
    const bool placed = row >= 0;
    if (placed)
        emit announced((inserting_ ? tr("Inserted line %1: %2") : tr("Appended line %1: %2"))
                           .arg(row + 1)
                           .arg(line.simplified()));

    if (category == Category::Units && placed && itemBox->text().contains(QLatin1String("Villager"))) {
        setVillagerCount(villagerCount_ + StrToInt(quantity));
    }
    if (category == Category::Research)
        showResearch();
    emit appended();
    // Append counts as unsaved work even when it placed nothing.
    if (!placed)
        document_.markUnsaved();
}

int ItemPicker::placeLine(const QString& line)
{
    const LineStep::Kind kind = inserting_ ? LineStep::Kind::Insert : LineStep::Kind::Append;
    if (!inserting_) {
        const int row = document_.lineCount();
        document_.insertLines(kind, row, {line});
        return row;
    }
    EditPosition p = document_.position();
    if (p.insertAt == 0) {
        p.insertAt = 1; // nothing goes ahead of the first line
        document_.setPosition(p);
    }
    if (p.insertAt == -1) {
        const MsgResult answer = app_.dialogs().messageBox(
            itemBox->window(), AppendMessages::kNoInsertionPoint, AppendMessages::kNoInsertionPointTitle,
            MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (answer != MsgResult::Yes)
            return -1;
        const int row = document_.lineCount();
        document_.insertLines(kind, row, {line});
        document_.selectLine(row);
        return row;
    }
    const int row = qMin(p.insertAt, document_.lineCount());
    document_.insertLines(kind, row, {line});
    return row;
}

void ItemPicker::recountVillagers()
{
    int count = 0;
    try {
        addVillagerLines(document_.lines(), count);
    } catch (const ConvertError&) {
        setVillagerCount(count, VillagerBox::LeaveAsItWas);
        throw;
    }
    setVillagerCount(count);
}

void ItemPicker::takeAwayVillagers(int villagers)
{
    setVillagerCount(villagerCount_ - villagers);
}
