#pragma once

#include "buildlist/absenttexts.h"
#include "buildlist/editposition.h"
#include "buildlist/linesteps.h"

#include <QObject>
#include <QStringList>
#include <vector>

// The build list being edited: its lines, whether its text ends with a
// line break, the user's position in it, every change as a step that Undo
// takes back and Redo makes again, and the point of that history that was
// last saved or read.
//
// Every change goes through it, each recording its own step; the text area
// and the list show its lines and its position, and follow linesChanged()
// and positionChanged().
class BuildList : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostSteps = 1000;

    explicit BuildList(QObject* parent = nullptr);

    // Edits made while one of these is open make one step, taken when it
    // closes: the position as the change began, and as it is once the
    // window has done what follows the edits (a row selected). An edit made
    // outside one is a step of its own.
    class Change {
    public:
        Change(BuildList& list, LineStep::Kind kind);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        BuildList& list_;
    };

    // The position. It follows the lines as the list's selection does: a
    // row taken away is no longer selected, and rows put in or taken away
    // above the selected one move it.
    const EditPosition& position() const { return position_; }
    void setPosition(const EditPosition& position);
    // The line selected as a click on its row selects it: current, the
    // insertion point below it, Find's start and the caret at its quantity
    // column. A row past the last leaves the selection as it was; -1
    // selects none.
    void selectLine(int row);

    // The lines.
    int lineCount() const { return int(lines_.size()); }
    QString line(int row) const { return lines_.value(row); }
    const QStringList& lines() const { return lines_; }
    // The texts a search of the lines found nowhere, while that holds: what
    // the next search need not look for. Kept as the lines change.
    AbsentTexts& absentTexts() const { return absent_; }
    bool endsWithBreak() const { return endsWithBreak_; }
    // Every line followed by CR LF, the last one only when the text ends
    // with a break.
    QString text() const;
    // Moves on with every change of the lines other than a move: what was
    // read of them, order aside, need not be read again.
    quint64 contentVersion() const { return contentVersion_; }

    // A new build list (New, Open): its lines, an empty history, saved, no
    // row selected and no insertion point.
    void reset(const QStringList& lines, bool endsWithBreak = true);

    // The edits, each one step (none when it changes nothing). The lines
    // from `row` on, `count` of them, become `lines`; the text then ends
    // with a break or not.
    void replaceLines(LineStep::Kind kind, int row, int count, const QStringList& lines, bool endsWithBreak);
    void insertLines(LineStep::Kind kind, int row, const QStringList& lines);
    void removeLines(LineStep::Kind kind, int row, int count);
    // The line at `from` moves so that it lands at `to`.
    void moveLine(int from, int to);
    // Typing: the same as replaceLines, but keystrokes that carry on where
    // the open typing step left its line join that step.
    void type(int row, int count, const QStringList& lines, bool endsWithBreak);
    // Further typing starts a new step.
    void endTyping();
    // The typing goes on: Redo of the open typing step leaves the window
    // as it is now.
    void typingGoesOn();

    // The one change no step makes: the text gains its final break, as it
    // does when the list takes its place. The steps on either side lead to
    // the state with the break, and the saved point, if it was here, is
    // gone: what is saved has no break.
    void gainFinalBreak();

    // The history.
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    QString undoName() const; // "Typing", "Append"...; empty when none
    QString redoName() const;
    void undo();
    void redo();
    void clearHistory();
    int stepCount() const { return int(done_.size() + undone_.size()); }
    // Whether Undo or Redo can still reach step `step` (as numbered by
    // stepRecorded).
    bool keepsStep(quint64 step) const;

    // The saved state.
    void markSaved();
    // Unsaved work without a change to the lines (Append that placed
    // nothing says so): the saved state is out of reach until the next
    // save.
    void markUnsaved();
    bool isModified() const { return savedAt_ != int(done_.size()); }

signals:
    // Lines `row` to `row + removed - 1` were replaced by `inserted` lines,
    // now `row` to `row + inserted - 1`; or, where both are 0, only the
    // final break changed.
    void linesChanged(int row, int removed, int inserted);
    // The line at `from` moved so that it is now at `to`.
    void lineMoved(int from, int to);
    void modifiedChanged(bool modified);
    // What Undo or Redo would do changed.
    void historyChanged();
    // The position moved, by a part or by Undo and Redo.
    void positionChanged();
    // A change is starting; once made, its step is told by number as
    // stepRecorded (again, while typing goes on), and once undone or redone
    // as stepTravelled. What a part shows around a step is its own to keep.
    void changeStarting();
    void stepRecorded(quint64 step);
    void stepTravelled(quint64 step, bool redone);

private:
    struct Entry {
        LineStep step;
        EditPosition before;
        EditPosition after;
        bool open; // typing that may go on
        quint64 number;
    };

    // The lines as the steps change them, telling the views.
    class Store;
    friend class Store;

    // The edits of an open Change, so far.
    struct Pending {
        LineStep::Kind kind;
        EditPosition before;
        std::vector<LineStep> steps; // as applied, in order
        bool breakBefore;
        int first; // the first row any edit touched
        int fromEnd; // rows after the last row any edit touched
    };

    // The selected row follows a change of the lines as the list's does.
    void followLines(int row, int removed, int inserted, int countBefore);
    void followMove(int from, int to);
    void apply(const LineStep& step, int row, int rowsAfter);
    void closeChange();
    // Undo (backwards) or Redo: the last entry of one list is applied and
    // goes to the other.
    void travel(std::vector<Entry>& from, std::vector<Entry>& to, bool forward);
    void record(const LineStep& step, const EditPosition& before);
    // Runs a change and tells what it changed of the saved state and of the
    // history.
    template <class Edit> void telling(Edit&& edit);

    QStringList lines_;
    mutable AbsentTexts absent_;
    bool endsWithBreak_ = true;
    std::vector<Entry> done_;
    std::vector<Entry> undone_;
    // How many steps are done in the saved state; -1 when no undo or redo
    // leads back to it.
    int savedAt_ = 0;
    EditPosition position_;
    quint64 lastNumber_ = 0;
    int changesOpen_ = 0;
    quint64 contentVersion_ = 0;
    Pending pending_;
};
