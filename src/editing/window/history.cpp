// Undo and Redo: the document's history, and the window around each step.
#include "buildlist/window/itempicker.h"
#include "editing/window/lineeditor.h"
#include "model/errors.h"
#include "search/window/findcommand.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"

#include <QAction>
#include <QPushButton>
#include <QScopeGuard>

EditState LineEditor::editState() const
{
    EditState state;
    state.listRow = lineList->itemIndex();
    state.currentLine = currentLine_;
    state.insertAt = insertAt_;
    state.findFrom = find_->findFrom();
    state.caret = textArea->selStart();
    state.column = column_;
    state.villagers = picker_->villagerCount();
    state.undoAvailable = undoAvailable_;
    return state;
}

void LineEditor::restoreEditState(const EditState& state)
{
    lineList->setItemIndex(state.listRow);
    if (linesMode_)
        keepARowCurrent(state.listRow >= 0 ? state.listRow : state.currentLine);
    setCurrentLine(state.currentLine);
    setInsertAt(state.insertAt);
    find_->setFindFrom(state.findFrom);
    // The hidden text's caret is placed anew from the list's selection on
    // the return to Normal mode; placing it now would lay out the text.
    if (!linesMode_ && textArea->selStart() != state.caret)
        textArea->setSelStart(state.caret);
    column_ = state.column;
    emit columnShown(column_);
    picker_->setVillagerCount(state.villagers);
    // The Undo button takes the text area's last line: never while the
    // list is shown.
    setUndoAvailable(state.undoAvailable && !linesMode_);
}

void LineEditor::undo()
{
    document_.undo();
    keepTheListsBreak();
    picker_->offerWhatTheListAllows();
}

void LineEditor::redo()
{
    document_.redo();
    keepTheListsBreak();
    picker_->offerWhatTheListAllows();
}

void LineEditor::keepTheListsBreak()
{
    // While the list is shown the text ends with a break, as it does when
    // the list takes its place. A step made before then, in a text without
    // one, would take it away again: it is gained again, and the steps on
    // either side of where the history now stands lead to it.
    if (linesMode_)
        document_.gainFinalBreak();
}

void LineEditor::userEditStarting()
{
    // A typed character changes its line, or joins the lines a selection
    // spans; Delete may join the next line on. The text area makes the
    // change, and the document takes the lines it changed.
    typing_.reset();
    const auto [first, last] = textArea->selectedLines();
    const int countBefore = textArea->lineCount();
    const int from = qBound(0, first, countBefore);
    typing_.emplace(document_, LineStep::Kind::Typing);
    typedFrom_ = from;
    typedLines_ = qMax(0, qMin(last + 1, countBefore - 1) - from + 1);
    lineCountBefore_ = countBefore;
}

void LineEditor::userEditMade()
{
    if (!typing_)
        return;
    // The step is made as the change ends, whatever happens below.
    const auto ending = qScopeGuard([this] { typing_.reset(); });
    const int now = typedLines_ + (textArea->lineCount() - lineCountBefore_);
    QStringList lines;
    for (int row = typedFrom_; row < typedFrom_ + now; ++row)
        lines.append(textArea->line(row));
    document_.type(typedFrom_, typedLines_, lines, textArea->endsWithBreak());
}

void LineEditor::textAreaLeft()
{
    document_.endTyping();
}
