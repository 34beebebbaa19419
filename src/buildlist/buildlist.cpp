#include "buildlist/buildlist.h"

#include "buildlist/lineformat.h"
#include "model/errors.h"

#include <algorithm>
#include <optional>

// Applies a step to the lines, and tells the views what changed once the
// step is whole: a view that already shows the result (the text area,
// after the user's typing) must never see it half made.
class BuildList::Store : public LineStore {
public:
    explicit Store(BuildList& list) : list_(list) {}

    int lineCount() const override { return list_.lineCount(); }
    QString line(int row) const override
    {
        check(row, 1);
        return list_.lines_.at(row);
    }
    void setLine(int row, const QString& text) override
    {
        check(row, 1);
        list_.lines_[row] = text;
        list_.absent_.linesCameIn(list_.lines_, row, 1);
        note(row, 1, 1);
    }
    void insertLines(int row, const QStringList& lines) override
    {
        check(row, 0);
        // One move of the rows below, however many lines go in.
        list_.lines_.insert(row, lines.size(), QString());
        std::copy(lines.begin(), lines.end(), list_.lines_.begin() + row);
        list_.absent_.linesCameIn(list_.lines_, row, lines.size());
        note(row, 0, int(lines.size()));
    }
    void removeLines(int row, int count) override
    {
        check(row, count);
        list_.lines_.remove(row, count);
        note(row, count, 0);
    }
    void moveLine(int from, int to) override
    {
        check(from, 1);
        check(to, 1);
        tell();
        list_.lines_.move(from, to);
        list_.followMove(from, to);
        emit list_.lineMoved(from, to);
    }
    bool endsWithBreak() const override { return list_.endsWithBreak_; }
    void setEndsWithBreak(bool ends) override
    {
        if (ends == list_.endsWithBreak_)
            return;
        list_.endsWithBreak_ = ends;
        breakChanged_ = true;
    }

    // Tells the views what changed since the last time.
    void tell()
    {
        if (noted_ || breakChanged_)
            ++list_.contentVersion_;
        if (noted_)
            list_.followLines(row_, removed_, inserted_, list_.lineCount() - inserted_ + removed_);
        if (noted_)
            emit list_.linesChanged(row_, removed_, inserted_);
        else if (breakChanged_)
            emit list_.linesChanged(list_.lineCount(), 0, 0);
        noted_ = breakChanged_ = false;
    }

private:
    // A step takes lines away and puts others in at the same row: one
    // change for the views.
    void note(int row, int removed, int inserted)
    {
        if (noted_ && row == row_ && inserted_ == 0) {
            removed_ += removed;
            inserted_ += inserted;
            return;
        }
        tell();
        noted_ = true;
        row_ = row;
        removed_ = removed;
        inserted_ = inserted;
    }
    // A step that does not fit the lines would corrupt them: it is refused.
    void check(int row, int count) const
    {
        if (row < 0 || count < 0 || row + count > list_.lineCount())
            throw ListIndexError();
    }

    BuildList& list_;
    bool noted_ = false;
    bool breakChanged_ = false;
    int row_ = 0;
    int removed_ = 0;
    int inserted_ = 0;
};

BuildList::BuildList(QObject* parent) : QObject(parent) {}

QString BuildList::text() const
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines_)
        size += line.size() + 2;
    text.reserve(size);
    for (qsizetype row = 0; row < lines_.size(); ++row) {
        text += lines_.at(row);
        if (row + 1 < lines_.size() || endsWithBreak_)
            text += QLatin1String("\r\n");
    }
    return text;
}

template <class Edit> void BuildList::telling(Edit&& edit)
{
    const bool wasModified = isModified();
    edit();
    emit historyChanged();
    if (isModified() != wasModified)
        emit modifiedChanged(isModified());
}

void BuildList::reset(const QStringList& lines, bool endsWithBreak)
{
    telling([&] {
        const int before = lineCount();
        lines_ = lines;
        absent_.forget();
        endsWithBreak_ = endsWithBreak || lines_.isEmpty();
        done_.clear();
        undone_.clear();
        savedAt_ = 0;
        ++contentVersion_;
        followLines(0, before, lineCount(), before);
        position_.insertAt = -1;
        emit linesChanged(0, before, lineCount());
    });
}

void BuildList::setPosition(const EditPosition& position)
{
    if (position == position_)
        return;
    position_ = position;
    emit positionChanged();
}

void BuildList::selectLine(int row)
{
    EditPosition p = position_;
    if (row < 0)
        p.selectedRow = -1;
    else if (row < lineCount())
        p.selectedRow = row;
    const int selected = p.selectedRow;
    p.line = selected;
    p.insertAt = selected + 1;
    p.findFrom = selected;
    // Column 31 of the selected line, under the ruler's first bar; the
    // start of the text when nothing is selected.
    p.caret = selected < 0 ? 0 : selected * kLineSlot + kQuantityColumn;
    setPosition(p);
}

void BuildList::followLines(int row, int removed, int inserted, int countBefore)
{
    int& selected = position_.selectedRow;
    if (selected < 0)
        return;
    // The whole list given anew, as after Open, selects nothing.
    if (row == 0 && removed >= countBefore)
        selected = -1;
    else if (removed == 1 && inserted == 1)
        return; // a line changed in its place
    else if (selected >= row + removed)
        selected += inserted - removed;
    else if (selected >= row && removed > 0)
        selected = -1;
}

void BuildList::followMove(int from, int to)
{
    int& selected = position_.selectedRow;
    if (selected < 0)
        return;
    if (selected == from) {
        selected = -1;
        return;
    }
    if (selected > from)
        --selected;
    if (selected >= to)
        ++selected;
}

bool BuildList::keepsStep(quint64 step) const
{
    // Steps are numbered as made: the done ones rise towards the last, the
    // undone ones fall towards the next to redo.
    const auto byNumber = [](const Entry& entry, quint64 number) { return entry.number < number; };
    const auto done = std::lower_bound(done_.begin(), done_.end(), step, byNumber);
    if (done != done_.end() && done->number == step)
        return true;
    const auto undone = std::lower_bound(undone_.rbegin(), undone_.rend(), step, byNumber);
    return undone != undone_.rend() && undone->number == step;
}

BuildList::Change::Change(BuildList& list, LineStep::Kind kind) : list_(list)
{
    if (list_.changesOpen_++ == 0) {
        list_.pending_ = {
            kind, list_.position_, {}, list_.endsWithBreak_, list_.lineCount(), list_.lineCount()};
        emit list_.changeStarting();
    }
}

BuildList::Change::~Change()
{
    if (--list_.changesOpen_ > 0)
        return;
    try {
        list_.closeChange();
    } catch (...) {
        // A history that cannot say what changed must not take anything back.
        list_.clearHistory();
    }
}

void BuildList::replaceLines(LineStep::Kind kind, int row, int count, const QStringList& lines,
                             bool endsWithBreak)
{
    if (row < 0 || count < 0 || row + count > lineCount())
        throw ListIndexError();
    const Change change(*this, kind);
    const int rowsAfter = lineCount() - row - count;
    apply(LineStep::change(kind, row, lines_.mid(row, count), lines, endsWithBreak_, endsWithBreak), row,
          rowsAfter);
}

void BuildList::insertLines(LineStep::Kind kind, int row, const QStringList& lines)
{
    replaceLines(kind, row, 0, lines, endsWithBreak_);
}

void BuildList::removeLines(LineStep::Kind kind, int row, int count)
{
    // The last lines go with the break before them; the text keeps its end.
    replaceLines(kind, row, count, {}, endsWithBreak_);
}

void BuildList::moveLine(int from, int to)
{
    if (from < 0 || from >= lineCount() || to < 0 || to >= lineCount())
        throw ListIndexError();
    const Change change(*this, LineStep::Kind::MoveLine);
    if (from == to)
        return;
    apply(LineStep::move(from, to, endsWithBreak_), qMin(from, to), lineCount() - qMax(from, to) - 1);
}

void BuildList::type(int row, int count, const QStringList& lines, bool endsWithBreak)
{
    replaceLines(LineStep::Kind::Typing, row, count, lines, endsWithBreak);
}

void BuildList::apply(const LineStep& step, int row, int rowsAfter)
{
    if (step.changesNothing())
        return;
    pending_.steps.push_back(step);
    pending_.first = qMin(pending_.first, row);
    pending_.fromEnd = qMin(pending_.fromEnd, rowsAfter);
    Store store(*this);
    step.redo(store);
    store.tell();
}

void BuildList::closeChange()
{
    Pending done = std::move(pending_);
    pending_ = {};
    if (done.steps.empty())
        return;
    // One edit is its own step; several are kept as the lines that changed,
    // from the first row touched to the last, worked out by taking them
    // back on a copy.
    std::optional<LineStep> step;
    if (done.steps.size() == 1) {
        step = done.steps.front();
    } else {
        PlainLines before(lines_, endsWithBreak_);
        for (auto it = done.steps.rbegin(); it != done.steps.rend(); ++it)
            it->undo(before);
        step = LineStep::change(done.kind, done.first,
                                before.lines.mid(done.first, before.lines.size() - done.first - done.fromEnd),
                                lines_.mid(done.first, lineCount() - done.first - done.fromEnd),
                                done.breakBefore, endsWithBreak_);
    }
    if (step->changesNothing())
        return;
    telling([&] { record(*step, done.before); });
}

void BuildList::record(const LineStep& step, const EditPosition& before)
{
    undone_.clear();
    if (savedAt_ > int(done_.size()))
        savedAt_ = -1; // the saved state was undone and is now out of reach
    // Typing joins the open step, unless the state after that step is the
    // saved one: that state must stay where Undo can come back to.
    if (!done_.empty() && done_.back().open && savedAt_ != int(done_.size())
        && done_.back().step.absorb(step)) {
        done_.back().after = position_;
        emit stepRecorded(done_.back().number);
        return;
    }
    endTyping();
    done_.push_back({step, before, position_, step.kind() == LineStep::Kind::Typing, ++lastNumber_});
    if (int(done_.size()) > kMostSteps) {
        done_.erase(done_.begin());
        savedAt_ = savedAt_ > 0 ? savedAt_ - 1 : -1;
    }
    emit stepRecorded(lastNumber_);
}

void BuildList::endTyping()
{
    if (!done_.empty())
        done_.back().open = false;
}

void BuildList::typingGoesOn()
{
    if (!done_.empty() && done_.back().open) {
        done_.back().after = position_;
        emit stepRecorded(done_.back().number);
    }
}

void BuildList::gainFinalBreak()
{
    if (endsWithBreak_)
        return;
    telling([&] {
        Store store(*this);
        store.setEndsWithBreak(true);
        store.tell();
        // Both neighbouring steps now lead to the state with the break.
        if (!done_.empty())
            done_.back().step.setBreakAfter(true);
        if (!undone_.empty())
            undone_.back().step.setBreakBefore(true);
        if (savedAt_ == int(done_.size()))
            savedAt_ = -1;
    });
}

QString BuildList::undoName() const
{
    return done_.empty() ? QString() : done_.back().step.name();
}

QString BuildList::redoName() const
{
    return undone_.empty() ? QString() : undone_.back().step.name();
}

void BuildList::undo()
{
    travel(done_, undone_, false);
}

void BuildList::redo()
{
    travel(undone_, done_, true);
}

void BuildList::travel(std::vector<Entry>& from, std::vector<Entry>& to, bool forward)
{
    if (from.empty())
        return;
    endTyping();
    Store store(*this);
    telling([&] {
        Entry entry = std::move(from.back());
        from.pop_back();
        if (forward)
            entry.step.redo(store);
        else
            entry.step.undo(store);
        store.tell();
        to.push_back(std::move(entry));
    });
    // The position the step found or left; a selected row the list no
    // longer has leaves the selection as the change left it.
    EditPosition restored = forward ? to.back().after : to.back().before;
    if (restored.selectedRow >= lineCount())
        restored.selectedRow = position_.selectedRow;
    setPosition(restored);
    emit stepTravelled(to.back().number, forward);
}

void BuildList::clearHistory()
{
    telling([&] {
        const bool saved = !isModified();
        done_.clear();
        undone_.clear();
        savedAt_ = saved ? 0 : -1;
    });
}

void BuildList::markSaved()
{
    telling([&] { savedAt_ = int(done_.size()); });
}

void BuildList::markUnsaved()
{
    telling([&] { savedAt_ = -1; });
}
