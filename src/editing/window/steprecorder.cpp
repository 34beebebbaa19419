#include "editing/window/steprecorder.h"

#include "app/window/tform1.h"
#include "editing/window/edithistory.h"

StepRecorder::StepRecorder(TForm1& form, LineStep::Kind kind)
    : form_(form), kind_(kind), before_(form.editState()), breakBefore_(form.liveStore().endsWithBreak()),
      lineCount_(form.liveStore().lineCount())
{
}

void StepRecorder::watch(int first, int last)
{
    const LineStore& lines = form_.liveStore();
    first_ = qBound(0, first, lineCount_);
    last = qMin(last, lineCount_ - 1);
    watched_.clear();
    for (int row = first_; row <= last; ++row)
        watched_.append(lines.line(row));
}

void StepRecorder::inserted(int row, const QStringList& lines)
{
    step_ = LineStep::change(kind_, row, {}, lines, breakBefore_, form_.liveStore().endsWithBreak());
}

void StepRecorder::moved(int from, int to)
{
    step_ = LineStep::move(from, to, breakBefore_);
}

StepRecorder::~StepRecorder()
{
    try {
        record();
    } catch (...) {
        // A history that cannot say what changed must not take anything back.
        form_.history().clear();
    }
}

void StepRecorder::record()
{
    const LineStore& lines = form_.liveStore();
    if (first_ >= 0) {
        // The watched lines are where they were, give or take the lines
        // the change added or took away.
        const int last = first_ + int(watched_.size()) - 1 + (lines.lineCount() - lineCount_);
        QStringList now;
        for (int row = first_; row <= last; ++row)
            now.append(lines.line(row));
        step_ = LineStep::change(kind_, first_, watched_, now, breakBefore_, lines.endsWithBreak());
    }
    if (step_ && !step_->changesNothing())
        form_.history().record(*step_, before_, form_.editState(), textFollows_);
}
