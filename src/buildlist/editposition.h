#pragma once

// Where the user is in the build list: the one record of it that both views
// show, Find starts from and Append inserts at. A step of the history puts
// back the position it found, or the one it left.
struct EditPosition {
    int selectedRow = -1; // the row selected in the list; -1 for none
    int line = 0; // the current line
    int insertAt = -1; // where Insert puts its line; -1 for nowhere yet
    int findFrom = 0; // the line Find's next search starts at; -1 for the top
    int caret = 0; // the text's caret, as an offset
    int column = -1; // the caret's column as last noted; -1 for none

    bool operator==(const EditPosition& other) const
    {
        return selectedRow == other.selectedRow && line == other.line && insertAt == other.insertAt
               && findFrom == other.findFrom && caret == other.caret && column == other.column;
    }
    bool operator!=(const EditPosition& other) const { return !(*this == other); }
};
