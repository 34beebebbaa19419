#pragma once

#include <QRect>

// Where a tool window of `size` goes beside its owner's frame on a screen's
// free area: to the right, else the left, else below, else above, without
// covering the owner; where none of these fits, the side with the most
// room, still on the screen.
QRect placeBeside(const QRect& owner, const QSize& size, const QRect& screen);
