#pragma once

#include "editing/editstate.h"
#include "editing/linesteps.h"

#include <optional>

class TForm1;

// Notes one change to the build list as a step of the history. Made before
// the change, it takes the window as it was; when it goes out of scope,
// however the change ended, it records what was changed and the window as
// it is then.
class StepRecorder {
public:
    StepRecorder(TForm1& form, LineStep::Kind kind);
    ~StepRecorder();
    StepRecorder(const StepRecorder&) = delete;
    StepRecorder& operator=(const StepRecorder&) = delete;

    // The change falls within the live lines `first` to `last` (none when
    // `last` < `first`, for lines put in at `first`).
    void watch(int first, int last);
    // Or it is one of these.
    void inserted(int row, const QStringList& lines);
    void moved(int from, int to);
    // The text area takes the list's lines as part of the change.
    void textFollows() { textFollows_ = true; }

private:
    void record();

    TForm1& form_;
    LineStep::Kind kind_;
    EditState before_;
    bool breakBefore_;
    int lineCount_;
    int first_ = -1;
    QStringList watched_;
    std::optional<LineStep> step_;
    bool textFollows_ = false;
};
