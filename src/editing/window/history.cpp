// Undo and Redo: the document's history, and the window around each step.
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "model/errors.h"

#include <QAction>
#include <QPushButton>

EditState TForm1::editState() const
{
    EditState state;
    state.listRow = ListBox1->itemIndex();
    state.currentLine = currentLine_;
    state.insertAt = insertAt_;
    state.findFrom = findFrom_;
    state.caret = Memo1->selStart();
    state.column = column_;
    state.villagers = villagerCount_;
    state.undoAvailable = undoAvailable_;
    return state;
}

void TForm1::restoreEditState(const EditState& state)
{
    ListBox1->setItemIndex(state.listRow);
    if (linesMode)
        keepARowCurrent(state.listRow >= 0 ? state.listRow : state.currentLine);
    setCurrentLine(state.currentLine);
    setInsertAt(state.insertAt);
    setFindFrom(state.findFrom);
    // The hidden text's caret is placed anew from the list's selection on
    // the return to Normal mode; placing it now would lay out the text.
    if (!linesMode && Memo1->selStart() != state.caret)
        Memo1->setSelStart(state.caret);
    column_ = state.column;
    setPanel(Panel::Column, column_ < 0 ? QString() : IntToStr(column_));
    setVillagerCount(state.villagers);
    // The Undo button takes the text area's last line: never while the
    // list is shown.
    setUndoAvailable(state.undoAvailable && !linesMode);
}

void TForm1::mnuUndoClick()
{
    document_->undo();
    offerWhatTheListAllows();
}

void TForm1::mnuRedoClick()
{
    document_->redo();
    offerWhatTheListAllows();
}

void TForm1::Memo1UserEdit(const std::function<void()>& edit)
{
    // A typed character changes its line, or joins the lines a selection
    // spans; Delete may join the next line on. The text area makes the
    // change, and the document takes the lines it changed.
    const auto [first, last] = Memo1->selectedLines();
    const BuildList::Change change(*document_, LineStep::Kind::Typing);
    const int countBefore = Memo1->lineCount();
    const int from = qBound(0, first, countBefore);
    const int watched = qMax(0, qMin(last + 1, countBefore - 1) - from + 1);
    edit();
    const int now = watched + (Memo1->lineCount() - countBefore);
    QStringList lines;
    for (int row = from; row < from + now; ++row)
        lines.append(Memo1->line(row));
    document_->type(from, watched, lines, Memo1->endsWithBreak());
}

void TForm1::Memo1Exit()
{
    document_->endTyping();
}

void TForm1::showHistoryCommands()
{
    const BuildList& steps = *document_;
    mnuUndo->setEnabled(steps.canUndo());
    mnuUndo->setText(steps.canUndo() ? tr("Undo %1").arg(steps.undoName()) : tr("Undo"));
    mnuRedo->setEnabled(steps.canRedo());
    mnuRedo->setText(steps.canRedo() ? tr("Redo %1").arg(steps.redoName()) : tr("Redo"));
}
