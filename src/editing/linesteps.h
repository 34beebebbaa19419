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
};

// One change to the build list, as Undo takes it back and Redo makes it
// again. It keeps what changed, never the whole list: a typing step one
// line before and after, an insertion or removal its lines, a move two
// row numbers.
class LineStep {
public:
    enum class Kind { Typing, Append, Insert, RemoveLine, MoveLine, CreateComment, RemoveLastLine };

    static LineStep typing(int row, const QString& before, const QString& after);
    static LineStep insertion(Kind kind, int row, const QStringList& lines); // Append, Insert, Create Comment
    static LineStep removal(Kind kind, int row, const QStringList& lines); // Remove Line, Remove Last Line
    static LineStep move(int from, int to);

    Kind kind() const { return kind_; }
    // What the menu calls it: "Typing", "Append", "Remove Line"...
    QString name() const;

    void redo(LineStore& store) const;
    void undo(LineStore& store) const;
    // Consecutive keystrokes on one line make one step: takes `next` in
    // when it types on the same line, and says whether it did.
    bool absorb(const LineStep& next);

private:
    LineStep(Kind kind, int row, int other, const QStringList& before, const QStringList& after);

    Kind kind_;
    int row_; // where it acts; for a move, the row it leaves
    int other_; // for a move, the row it lands at
    QStringList before_; // the lines it takes away (typing: the line before)
    QStringList after_; // the lines it puts in (typing: the line after)
};
