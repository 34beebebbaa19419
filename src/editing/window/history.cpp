// Undo and Redo: the history of every change to the build list.
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "editing/window/edithistory.h"
#include "editing/window/steprecorder.h"

#include <QAction>
#include <QPushButton>

LineStore& TForm1::liveStore()
{
    return linesMode ? static_cast<LineStore&>(*ListBox1) : *Memo1;
}

EditState TForm1::editState() const
{
    EditState state;
    state.listRow = ListBox1->itemIndex();
    state.currentLine = currentLine_;
    state.insertAt = insertAt_;
    state.findFrom = findFrom_;
    state.caret = Memo1->selStart();
    state.column = panel(Panel::Column);
    state.villagers = villagerCount_;
    state.undoButton = cmdDelete->isEnabled();
    return state;
}

void TForm1::showStepApplied(const EditState& state, bool textFollows)
{
    if (textFollows)
        bringTextUpToDate();
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
    setPanel(Panel::Column, state.column);
    setVillagerCount(state.villagers);
    // The Undo button takes the text area's last line: never while the
    // list is the live copy.
    setUndoAvailable(state.undoButton && !linesMode);
}

void TForm1::mnuUndoClick()
{
    history_->undo();
    offerWhatTheListAllows();
}

void TForm1::mnuRedoClick()
{
    history_->redo();
    offerWhatTheListAllows();
}

void TForm1::Memo1UserEdit(const std::function<void()>& edit)
{
    // A typed character changes its line, or joins the lines a selection
    // spans; Delete may join the next line on.
    const auto [first, last] = Memo1->selectedLines();
    StepRecorder step(*this, LineStep::Kind::Typing);
    step.watch(first, last + 1);
    edit();
}

void TForm1::Memo1Exit()
{
    history_->endTyping();
}

void TForm1::showHistoryCommands()
{
    const QUndoStack& steps = history_->stack();
    mnuUndo->setEnabled(steps.canUndo());
    mnuUndo->setText(steps.canUndo() ? QStringLiteral("Undo ") + steps.undoText() : QStringLiteral("Undo"));
    mnuRedo->setEnabled(steps.canRedo());
    mnuRedo->setText(steps.canRedo() ? QStringLiteral("Redo ") + steps.redoText() : QStringLiteral("Redo"));
}
