// The item picker: category, offered entries, quantity and limit boxes.
#include "app/window/application.h"
#include "app/window/classicedit.h"
#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tmemo.h"
#include "app/window/tupdown.h"
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

void TForm1::refillPicker(Category category)
{
    offeredFrom_ = document_->contentVersion();
    offeredCategory_ = int(category);
    cboList->clearAll();
    const QVector<int> rows = offeredRows(catalog_, category, Memo1->rawText());
    for (int row : rows)
        cboList->addItem(catalog_.row(category, row).displayName);
    if (!rows.isEmpty())
        cboList->setItemIndex(category == Category::Units ? int(rows.size()) - 1 : 0);

    setCheckBox(chkCritical, category == Category::Research);
    setCheckBox(chkRetrains, category == Category::Units);
    setCheckBox(chkRetrainB, category == Category::Buildings);

    setUndoAvailable(false);

    const bool resetQuantity =
        category == Category::Research || (category == Category::Buildings && UpDown1->position() > 2);
    if (resetQuantity) {
        UpDown1->setPosition(1);
        txtCount->setText(QStringLiteral("1"));
    }
}

void TForm1::offerWhatTheListAllows()
{
    const Category category = radioResearch->isChecked() ? Category::Research
                              : radioBldgs->isChecked()  ? Category::Buildings
                                                         : Category::Units;
    // The lines a refill reads, unchanged but for their order since the
    // entries were made: they stand, since order changes no offer.
    if (document_->contentVersion() == offeredFrom_ && int(category) == offeredCategory_)
        return;
    offeredFrom_ = document_->contentVersion();
    offeredCategory_ = int(category);
    QStringList offered;
    for (int row : offeredRows(catalog_, category, Memo1->rawText()))
        offered << catalog_.row(category, row).displayName;
    QStringList shown;
    for (int i = 0; i < cboList->count(); ++i)
        shown << cboList->itemText(i);
    if (offered == shown)
        return;
    const QString chosen = cboList->text();
    const bool typed = !chosen.isEmpty() && !shown.contains(chosen);
    cboList->clearAll();
    for (const QString& name : offered)
        cboList->addItem(name);
    if (typed) {
        cboList->setText(chosen);
        return;
    }
    int keep = int(offered.indexOf(chosen));
    if (keep < 0 && !offered.isEmpty())
        keep = category == Category::Units ? int(offered.size()) - 1 : 0;
    if (keep >= 0)
        cboList->setItemIndex(keep);
}

void TForm1::radioUnitsClick()
{
    refillPicker(Category::Units);
}

void TForm1::radioBldgsClick()
{
    refillPicker(Category::Buildings);
}

void TForm1::radioResearchClick()
{
    refillPicker(Category::Research);
}

void TForm1::chkRetrainsClick()
{
    showLimitBoxes(chkRetrains->isChecked(), txtRetrains, UpDown2);
}

void TForm1::chkRetrainBClick()
{
    showLimitBoxes(chkRetrainB->isChecked(), txtRetrains, UpDown2);
}

void TForm1::UpDown1Click()
{
    txtCount->setText(IntToStr(UpDown1->position()));
}

void TForm1::UpDown2Click()
{
    txtRetrains->setText(IntToStr(UpDown2->position()));
}

void TForm1::cboListChange()
{
    // Type-ahead: the first item that begins with the typed text in capitals.
    const QString typed = cboList->text().toUpper();
    if (typed.isEmpty())
        return; // an emptied box stays empty
    for (int i = 0; i < cboList->count(); ++i) {
        if (cboList->itemText(i).startsWith(typed, Qt::CaseSensitive)) {
            cboList->setItemIndex(i);
            return;
        }
    }
}

void TForm1::cboListClick()
{
    giveFocus(txtCount);
}
