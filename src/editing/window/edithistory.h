#pragma once

#include "editing/editstate.h"
#include "editing/linesteps.h"

#include <QObject>
#include <QUndoStack>

class TForm1;

// The window's Undo and Redo: every change to the build list, kept as the
// lines it changed and the window around it before and after.
class EditHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostSteps = 1000;

    explicit EditHistory(TForm1& form);

    // A change the window has just made: its lines, and the window as the
    // change found and left it. Typing goes into the open typing step when
    // it carries on where that step left its line.
    void record(const LineStep& step, const EditState& before, const EditState& after, bool textFollows);
    // Further typing starts a new step.
    void endTyping();
    // The caret stays on the line being typed: Redo of the typing step
    // leaves the window as it is now.
    void typingGoesOn();
    void undo();
    void redo();
    void clear();

    // The state that Save wrote or Open read.
    void markSaved() { stack_.setClean(); }
    // The one change no step makes: the list has taken the place of a text
    // without a final break, and the list's text always ends with one.
    void textGainedBreak();
    bool atSavedState() const { return stack_.isClean(); }

    const QUndoStack& stack() const { return stack_; }

signals:
    // The step Undo or Redo would take, or whether there is one, changed.
    void commandsChanged();
    // Undo or Redo moved the history, or a step was added; clearing it
    // is not a move.
    void moved();

private:
    TForm1& form_;
    QUndoStack stack_;
};
