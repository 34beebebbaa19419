// Append, Insert and Undo.
#include "app/window/application.h"
#include "app/window/buildlisttextedit.h"
#include "app/window/buildlistview.h"
#include "app/window/completingcombobox.h"
#include "app/window/mainwindow.h"
#include "buildlist/lineformat.h"
#include "model/errors.h"

#include "app/window/textbox.h"
#include "buildlist/window/appendmessages.h"
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

void MainWindow::appendItem()
{
    const Category category = unitsRadio->isChecked()       ? Category::Units
                              : buildingsRadio->isChecked() ? Category::Buildings
                                                            : Category::Research;
    const CatalogEntry* entry = catalog_.findByDisplayName(category, itemBox->text());
    if (!entry) {
        // The box names nothing of this category: there is no line to make.
        app_.dialogs().beep();
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
    const BuildList::Change change(*document_, linesMode ? LineStep::Kind::Insert : LineStep::Kind::Append);
    const QString line = composeItemLine(kind, *entry, quantity, limit);
    const bool placed = placeLine(line) >= 0;

    if (category == Category::Units && placed && itemBox->text().contains(QLatin1String("Villager"))) {
        setVillagerCount(villagerCount_ + StrToInt(quantity));
    }
    if (category == Category::Research)
        showResearch();
    if (!linesMode)
        setUndoAvailable(true);
    // Append counts as unsaved work even when it placed nothing.
    if (!placed)
        document_->markUnsaved();
}

bool MainWindow::PlaceLine(const QString& line)
{
    return placeLine(line) >= 0;
}

int MainWindow::placeLine(const QString& line)
{
    const LineStep::Kind kind = linesMode ? LineStep::Kind::Insert : LineStep::Kind::Append;
    if (!linesMode) {
        const int row = document_->lineCount();
        document_->insertLines(kind, row, {line});
        return row;
    }
    if (insertAt_ == 0)
        setInsertAt(1); // nothing goes ahead of the first line
    if (insertAt_ == -1) {
        const MsgResult answer = app_.dialogs().messageBox(
            this, AppendMessages::kNoInsertionPoint, AppendMessages::kNoInsertionPointTitle,
            MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (answer != MsgResult::Yes)
            return -1;
        const int row = document_->lineCount();
        document_->insertLines(kind, row, {line});
        selectRowAsClicked(row);
        return row;
    }
    const int row = qMin(insertAt_, document_->lineCount());
    document_->insertLines(kind, row, {line});
    return row;
}

void MainWindow::removeLastLine()
{
    const int count = document_->lineCount();
    const BuildList::Change change(*document_, LineStep::Kind::RemoveLastLine);
    if (count > 0) {
        const QString last = document_->line(count - 1);
        if (last.contains(QLatin1String("Villager"))) {
            setVillagerCount(villagerCount_ - readQuantity(last));
        }
        // The last line goes; the break before it stays, so the text ends
        // with one.
        document_->replaceLines(LineStep::Kind::RemoveLastLine, count - 1, 1, {}, true);
    }
    setUndoAvailable(false);
}
