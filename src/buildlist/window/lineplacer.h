#pragma once

class QString;

// Where Append puts the line it made: at the end of the text in Normal
// mode, at the insertion point of Lines mode. The window that shows the
// build list decides.
class LinePlacer {
public:
    // Whether the line goes in at the insertion point (an Insert) rather
    // than at the end (an Append).
    virtual bool insertsAtPoint() const = 0;
    // Places the line; its row, or -1 when none was placed.
    virtual int placeLine(const QString& line) = 0;

protected:
    ~LinePlacer() = default;
};
