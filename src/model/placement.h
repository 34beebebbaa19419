#pragma once

#include <QRect>

// Where a tool window's frame goes beside its owner's frame on a screen's
// free area: to the right, else the left, else below, else above, at its
// full `size`, without covering the owner. Where no side has room for
// that, it is made smaller, down to `smallest`, on the side that keeps the
// most of it. Where no side has room even for that, it takes the side with
// the most room, at the size that fits, overlapping as little as it must;
// it always stays on the screen. Given the part of the owner that it may
// cover (`coverable`: the lower part of a list, say, never its menus or
// controls), it goes over the bottom of that part instead, and no higher
// than its top even where that leaves it smaller.
QRect placeBeside(const QRect& owner, const QSize& size, const QRect& screen, const QSize& smallest = QSize(),
                  const QRect& coverable = QRect());
