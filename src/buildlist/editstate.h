#pragma once

#include <QString>

// What the window shows around the build list, as a step of the history
// finds it and leaves it: Undo puts back the one, Redo the other.
struct EditState {
    int listRow = -1; // the list's selected row
    int currentLine = 0;
    int insertAt = -1;
    int findFrom = 0;
    int caret = 0; // the text area's caret, as an offset
    int column = -1; // the caret's column, as the column panel shows it; -1 for none
    int villagers = 0;
    bool undoAvailable = false; // whether the Undo button may take the last line away
};
