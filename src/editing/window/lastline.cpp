// Where Append puts its line, and the Undo button that takes the last one
// away again.
#include "buildlist/lineformat.h"
#include "buildlist/villagers.h"
#include "buildlist/window/appendmessages.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/lineeditor.h"
#include "widgets/application.h"

int LineEditor::placeLine(const QString& line)
{
    const LineStep::Kind kind = linesMode_ ? LineStep::Kind::Insert : LineStep::Kind::Append;
    if (!linesMode_) {
        const int row = document_.lineCount();
        document_.insertLines(kind, row, {line});
        return row;
    }
    if (insertAt_ == 0)
        setInsertAt(1); // nothing goes ahead of the first line
    if (insertAt_ == -1) {
        const MsgResult answer = app_.dialogs().messageBox(
            window(), AppendMessages::kNoInsertionPoint, AppendMessages::kNoInsertionPointTitle,
            MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes);
        if (answer != MsgResult::Yes)
            return -1;
        const int row = document_.lineCount();
        document_.insertLines(kind, row, {line});
        selectRowAsClicked(row);
        return row;
    }
    const int row = qMin(insertAt_, document_.lineCount());
    document_.insertLines(kind, row, {line});
    return row;
}

void LineEditor::removeLastLine()
{
    const int count = document_.lineCount();
    const BuildList::Change change(document_, LineStep::Kind::RemoveLastLine);
    if (count > 0) {
        const QString last = document_.line(count - 1);
        if (last.contains(QLatin1String("Villager"))) {
            picker_->setVillagerCount(picker_->villagerCount() - readQuantity(last));
        }
        // The last line goes; the break before it stays, so the text ends
        // with one.
        document_.replaceLines(LineStep::Kind::RemoveLastLine, count - 1, 1, {}, true);
        emit announced(tr("Removed line %1: %2").arg(count).arg(last.simplified()));
    }
    setUndoAvailable(false);
}
