// Undo and Redo: the document's history, and the window around each step.
#include "app/window/buildlisttextedit.h"
#include "app/window/buildlistview.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/lineeditor.h"
#include "model/errors.h"
#include "search/window/findcommand.h"

#include <QAction>
#include <QPushButton>

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
    picker_->offerWhatTheListAllows();
}

void LineEditor::redo()
{
    document_.redo();
    picker_->offerWhatTheListAllows();
}

void LineEditor::takeUserEdit(const std::function<void()>& edit)
{
    // A typed character changes its line, or joins the lines a selection
    // spans; Delete may join the next line on. The text area makes the
    // change, and the document takes the lines it changed.
    const auto [first, last] = textArea->selectedLines();
    const BuildList::Change change(document_, LineStep::Kind::Typing);
    const int countBefore = textArea->lineCount();
    const int from = qBound(0, first, countBefore);
    const int watched = qMax(0, qMin(last + 1, countBefore - 1) - from + 1);
    edit();
    const int now = watched + (textArea->lineCount() - countBefore);
    QStringList lines;
    for (int row = from; row < from + now; ++row)
        lines.append(textArea->line(row));
    document_.type(from, watched, lines, textArea->endsWithBreak());
}

void LineEditor::textAreaLeft()
{
    document_.endTyping();
}
