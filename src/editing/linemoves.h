#pragma once

// Where the selected row of the list can go by one row, as drop targets
// of a drag (a drop lands before the row it is dropped on); -1 where it
// cannot go. Nothing applies with no row selected.
struct LineMoveTargets {
    int up = -1;
    int down = -1;
    bool removable = false;
};
LineMoveTargets lineMoveTargets(int selected, int count);
