#pragma once

#include <QRect>

// Where a tool window's frame goes beside its owner's frame on a screen's
// free area: to the right, else the left, else below, else above, at its
// full `size`, without covering the owner. Where no side has room for
// that, it is made smaller, down to `smallest`, on the side that keeps the
// most of it. Where no side has room even for that, it takes the side with
// the most room, at the size that fits, overlapping as little as it must;
// it always stays on the screen.
QRect placeBeside(const QRect& owner, const QSize& size, const QRect& screen,
                  const QSize& smallest = QSize());
