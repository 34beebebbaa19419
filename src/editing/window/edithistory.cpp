#include "editing/window/edithistory.h"

#include "app/window/tform1.h"

namespace {

constexpr int kOpenTyping = 1;

// One step, applied to whichever control holds the live build list.
class StepCommand : public QUndoCommand {
public:
    StepCommand(TForm1& form, const LineStep& step, const EditState& before, const EditState& after,
                bool textFollows)
        : QUndoCommand(step.name()), form_(form), step_(step), before_(before), after_(after),
          textFollows_(textFollows), open_(step.kind() == LineStep::Kind::Typing)
    {
    }

    int id() const override { return open_ ? kOpenTyping : -1; }
    void close() { open_ = false; }
    LineStep& step() { return step_; }
    bool isOpen() const { return open_; }
    void leaveAt(const EditState& state) { after_ = state; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const StepCommand*>(other);
        if (!step_.absorb(next->step_))
            return false;
        after_ = next->after_;
        return true;
    }

    void undo() override
    {
        step_.undo(form_.liveStore());
        form_.showStepApplied(before_, textFollows_);
    }

    void redo() override
    {
        // Pushed once the window has made the change itself.
        if (made_) {
            made_ = false;
            return;
        }
        step_.redo(form_.liveStore());
        form_.showStepApplied(after_, textFollows_);
    }

private:
    TForm1& form_;
    LineStep step_;
    EditState before_;
    EditState after_;
    bool textFollows_;
    bool open_;
    bool made_ = true;
};

} // namespace

EditHistory::EditHistory(TForm1& form) : QObject(&form), form_(form)
{
    stack_.setUndoLimit(kMostSteps);
    connect(&stack_, &QUndoStack::canUndoChanged, this, &EditHistory::commandsChanged);
    connect(&stack_, &QUndoStack::canRedoChanged, this, &EditHistory::commandsChanged);
    connect(&stack_, &QUndoStack::undoTextChanged, this, &EditHistory::commandsChanged);
    connect(&stack_, &QUndoStack::redoTextChanged, this, &EditHistory::commandsChanged);
}

void EditHistory::record(const LineStep& step, const EditState& before, const EditState& after,
                         bool textFollows)
{
    if (step.kind() != LineStep::Kind::Typing)
        endTyping();
    stack_.push(new StepCommand(form_, step, before, after, textFollows));
    emit moved();
}

namespace {

// Every command on the stack is a step; none past either end.
StepCommand* stepAt(const QUndoStack& stack, int index)
{
    return static_cast<StepCommand*>(const_cast<QUndoCommand*>(stack.command(index)));
}

} // namespace

void EditHistory::endTyping()
{
    // The step a new one would merge with is the last one done.
    if (StepCommand* step = stepAt(stack_, stack_.index() - 1))
        step->close();
}

void EditHistory::typingGoesOn()
{
    if (StepCommand* step = stepAt(stack_, stack_.index() - 1); step && step->isOpen())
        step->leaveAt(form_.editState());
}

void EditHistory::textGainedBreak()
{
    // The state between the last step and the next one is the one that
    // changed: both now lead to it with the break.
    if (StepCommand* last = stepAt(stack_, stack_.index() - 1))
        last->step().setBreakAfter(true);
    if (StepCommand* next = stepAt(stack_, stack_.index()))
        next->step().setBreakBefore(true);
    if (stack_.isClean())
        stack_.resetClean();
}

void EditHistory::undo()
{
    endTyping();
    stack_.undo();
    emit moved();
}

void EditHistory::redo()
{
    endTyping();
    stack_.redo();
    emit moved();
}

void EditHistory::clear()
{
    stack_.clear();
}
