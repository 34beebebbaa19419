// Append, Insert and Undo.
#include "app/window/application.h"
#include "app/window/tcombobox.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "buildlist/lineformat.h"
#include "model/errors.h"

#include "app/window/tedit.h"
#include "buildlist/window/appendmessages.h"
#include "editing/window/steprecorder.h"
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

void TForm1::cmdAddClick()
{
    const Category category = radioUnits->isChecked()   ? Category::Units
                              : radioBldgs->isChecked() ? Category::Buildings
                                                        : Category::Research;
    const CatalogEntry* entry = catalog_.findByDisplayName(category, cboList->text());
    if (!entry) {
        // The box names nothing of this category: there is no line to make.
        app_.dialogs().beep();
        return;
    }
    const bool ticked = category == Category::Units       ? chkRetrains->isChecked()
                        : category == Category::Buildings ? chkRetrainB->isChecked()
                                                          : chkCritical->isChecked();
    const QChar kind = kindLetter(category, ticked);
    const QString quantity = txtCount->text();
    requireColumnNumber(quantity);
    QString limit;
    if (hasLimitColumn(kind)) {
        limit = txtRetrains->text();
        requireColumnNumber(limit);
    }

    // One step, however the rest goes: a bad Villager quantity below still
    // leaves the line placed.
    StepRecorder step(*this, linesMode ? LineStep::Kind::Insert : LineStep::Kind::Append);
    const QString line = composeItemLine(kind, *entry, quantity, limit);
    const int row = placeLine(line);
    const bool placed = row >= 0;
    if (placed)
        step.inserted(row, {line});

    if (category == Category::Units && placed && cboList->text().contains(QLatin1String("Villager"))) {
        setVillagerCount(villagerCount_ + StrToInt(quantity));
    }
    if (category == Category::Research)
        radioResearchClick();
    if (!linesMode)
        setUndoAvailable(true);
    setModified(true);
}

bool TForm1::PlaceLine(const QString& line)
{
    return placeLine(line) >= 0;
}

int TForm1::placeLine(const QString& line)
{
    if (!linesMode) {
        const int row = Memo1->lineCount();
        Memo1->addLine(line);
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
        ListBox1->addItem(line);
        selectRowAsClicked(ListBox1->count() - 1);
        return ListBox1->count() - 1;
    }
    const int row = qMin(insertAt_, ListBox1->count());
    ListBox1->insertItem(row, line);
    return row;
}

void TForm1::cmdDeleteClick()
{
    const int count = Memo1->lineCount();
    StepRecorder step(*this, LineStep::Kind::RemoveLastLine);
    step.watch(count - 1, count - 1);
    if (count > 0) {
        const QString last = Memo1->line(count - 1);
        if (last.contains(QLatin1String("Villager"))) {
            setVillagerCount(villagerCount_ - readQuantity(last));
        }
        Memo1->deleteLine(count - 1);
    }
    setUndoAvailable(false);
}
