#pragma once

// The rules of Lines mode's edits on a list of rows, the same whether a
// drag, a key or a menu asks for them.

// Row `from` moved to land before row `to`, or last when `to` is the row
// count: the row is inserted at `to` and its old copy deleted at
// `deleteAt`, and it is then found at `landsAt`. Nothing moves when either
// row is outside the list or the two are the same; the order stays as it
// was when a row is dropped on the row below it.
struct LineMove {
    bool moves = false;
    int deleteAt = -1;
    int landsAt = -1;
    bool orderChanges = false;
};
LineMove planLineMove(int from, int to, int count);

// The insertion point once a row is removed: one up, and never before the
// first row (an undefined point, -1, becomes 0).
int insertAtAfterRemoval(int insertAt);

// Where the selected row can go by one row, as drop targets (a drop lands
// before the row it is dropped on); -1 where it cannot go. Nothing applies
// with no row selected.
struct LineMoveTargets {
    int up = -1;
    int down = -1;
    bool removable = false;
};
LineMoveTargets lineMoveTargets(int selected, int count);
