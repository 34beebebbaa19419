#pragma once

#include <QString>
#include <QStringList>

// The live build list as the history changes it, one line per row: the
// text area's lines in Normal mode, the list's rows in Lines mode.
class LineStore {
public:
    virtual ~LineStore() = default;
    virtual int lineCount() const = 0;
    virtual QString line(int row) const = 0;
    virtual void setLine(int row, const QString& text) = 0;
    virtual void insertLines(int row, const QStringList& lines) = 0;
    virtual void removeLines(int row, int count) = 0;
    // Moves the row at `from` so that it lands at `to`.
    virtual void moveLine(int from, int to) = 0;
    // Whether a line break follows the last line. The list has no such
    // thing, and says yes: its text always ends with one.
    virtual bool endsWithBreak() const = 0;
    virtual void setEndsWithBreak(bool ends) = 0;
};

// Lines held in a plain list, apart from any view: for working out what
// steps did, on a copy.
class PlainLines : public LineStore {
public:
    PlainLines(QStringList lines, bool ends = true) : lines(std::move(lines)), ends(ends) {}
    int lineCount() const override { return int(lines.size()); }
    QString line(int row) const override { return lines.at(row); }
    void setLine(int row, const QString& text) override { lines[row] = text; }
    void insertLines(int row, const QStringList& more) override
    {
        for (qsizetype i = 0; i < more.size(); ++i)
            lines.insert(row + i, more.at(i));
    }
    void removeLines(int row, int count) override { lines.remove(row, count); }
    void moveLine(int from, int to) override { lines.move(from, to); }
    bool endsWithBreak() const override { return ends; }
    void setEndsWithBreak(bool e) override { ends = e; }

    QStringList lines;
    bool ends;
};

// One change to the build list, as Undo takes it back and Redo makes it
// again. It keeps what changed, never the whole list: the lines it replaced
// and the lines it put in their place, or for a move two row numbers.
class LineStep {
public:
    enum class Kind { Typing, Append, Insert, RemoveLine, MoveLine, CreateComment, RemoveLastLine, Open };

    // The lines from `row` on that read `before` now read `after`, and the
    // text's final break went from `breakBefore` to `breakAfter`. Lines the
    // two sides share at either end are left out of the step.
    static LineStep change(Kind kind, int row, QStringList before, QStringList after, bool breakBefore = true,
                           bool breakAfter = true);
    // `ends`: whether the text's final break was there, which a move keeps.
    static LineStep move(int from, int to, bool ends = true);

    Kind kind() const { return kind_; }
    // What the menu calls it: "Typing", "Append", "Remove Line"...
    QString name() const;
    bool changesNothing() const;

    // The text gained its final break between steps, without a step: the
    // state on that side of this step has it.
    void setBreakBefore(bool ends) { breakBefore_ = ends; }
    void setBreakAfter(bool ends) { breakAfter_ = ends; }

    void redo(LineStore& store) const { apply(store, true); }
    void undo(LineStore& store) const { apply(store, false); }
    // Consecutive keystrokes on one line make one step: takes `next` in
    // when it types on from where this step left the same line, and says
    // whether it did.
    bool absorb(const LineStep& next);

private:
    LineStep(Kind kind, int row, int other, QStringList before, QStringList after, bool breakBefore,
             bool breakAfter);
    void apply(LineStore& store, bool forward) const;

    Kind kind_;
    int row_; // where it acts; for a move, the row it leaves
    int other_; // for a move, the row it lands at
    QStringList before_; // the lines it takes away
    QStringList after_; // the lines it puts in
    bool breakBefore_;
    bool breakAfter_;
};
