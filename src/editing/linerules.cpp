#include "editing/linerules.h"

LineMove planLineMove(int from, int to, int count)
{
    LineMove move;
    // Over the border or the scroll bar, or with no row taken: no move.
    if (to < 0 || to > count || from < 0 || from >= count || from == to)
        return move;
    move.moves = true;
    move.deleteAt = to < from ? from + 1 : from;
    move.landsAt = to < from ? to : to - 1;
    move.orderChanges = to != from + 1;
    return move;
}

int insertAtAfterRemoval(int insertAt)
{
    return insertAt > 0 ? insertAt - 1 : 0;
}

LineMoveTargets lineMoveTargets(int selected, int count)
{
    // One row up is the row above; one row down lands before the row
    // below the next one, or at the end.
    LineMoveTargets targets;
    if (selected < 0 || selected >= count)
        return targets;
    targets.removable = true;
    if (selected > 0)
        targets.up = selected - 1;
    if (selected + 1 < count)
        targets.down = selected + 2;
    return targets;
}
