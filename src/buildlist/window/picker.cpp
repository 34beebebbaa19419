// The item picker: category, offered entries, quantity and limit boxes.
#include "app/window/application.h"
#include "app/window/buildlisttextedit.h"
#include "app/window/classicedit.h"
#include "app/window/completingcombobox.h"
#include "app/window/mainwindow.h"
#include "app/window/textbox.h"
#include "app/window/updownarrows.h"
#include "buildlist/availability.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

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

void setCheckBox(QCheckBox* box, bool visible)
{
    box->setVisible(visible);
    box->setChecked(false); // runs the box's click handler when it was ticked
}

} // namespace

void MainWindow::refillPicker(Category category)
{
    offeredFrom_ = document_->contentVersion();
    offeredCategory_ = int(category);
    itemBox->clearAll();
    const QVector<int> rows = offeredRows(catalog_, category, textArea->rawText());
    for (int row : rows)
        itemBox->addItem(catalog_.row(category, row).displayName);
    if (!rows.isEmpty())
        itemBox->setItemIndex(category == Category::Units ? int(rows.size()) - 1 : 0);

    setCheckBox(criticalCheck, category == Category::Research);
    setCheckBox(unitLimitCheck, category == Category::Units);
    setCheckBox(buildingLimitCheck, category == Category::Buildings);

    setUndoAvailable(false);

    const bool resetQuantity =
        category == Category::Research || (category == Category::Buildings && quantityArrows->position() > 2);
    if (resetQuantity) {
        quantityArrows->setPosition(1);
        quantitySpin->setText(QStringLiteral("1"));
    }
}

void MainWindow::offerWhatTheListAllows()
{
    const Category category = researchRadio->isChecked()    ? Category::Research
                              : buildingsRadio->isChecked() ? Category::Buildings
                                                            : Category::Units;
    // The lines a refill reads, unchanged but for their order since the
    // entries were made: they stand, since order changes no offer.
    if (document_->contentVersion() == offeredFrom_ && int(category) == offeredCategory_)
        return;
    offeredFrom_ = document_->contentVersion();
    offeredCategory_ = int(category);
    QStringList offered;
    for (int row : offeredRows(catalog_, category, textArea->rawText()))
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

void MainWindow::showUnits()
{
    refillPicker(Category::Units);
}

void MainWindow::showBuildings()
{
    refillPicker(Category::Buildings);
}

void MainWindow::showResearch()
{
    refillPicker(Category::Research);
}

void MainWindow::toggleUnitLimit()
{
    showLimitBoxes(unitLimitCheck->isChecked(), retrainsSpin, retrainsArrows);
}

void MainWindow::toggleBuildingLimit()
{
    showLimitBoxes(buildingLimitCheck->isChecked(), retrainsSpin, retrainsArrows);
}

void MainWindow::stepQuantity()
{
    quantitySpin->setText(IntToStr(quantityArrows->position()));
}

void MainWindow::stepRetrains()
{
    retrainsSpin->setText(IntToStr(retrainsArrows->position()));
}

void MainWindow::itemTyped()
{
    // Type-ahead: the first item that begins with the typed text in capitals.
    const QString typed = itemBox->text().toUpper();
    if (typed.isEmpty())
        return; // an emptied box stays empty
    for (int i = 0; i < itemBox->count(); ++i) {
        if (itemBox->itemText(i).startsWith(typed, Qt::CaseSensitive)) {
            itemBox->setItemIndex(i);
            return;
        }
    }
}

void MainWindow::itemChosen()
{
    giveFocus(quantitySpin);
}
