#include "model/placement.h"

#include <algorithm>

namespace {

// The rectangle moved, as little as needed, to lie on the screen.
QRect keptOn(QRect rect, const QRect& screen)
{
    rect.moveLeft(
        std::clamp(rect.left(), screen.left(), std::max(screen.left(), screen.right() - rect.width() + 1)));
    rect.moveTop(
        std::clamp(rect.top(), screen.top(), std::max(screen.top(), screen.bottom() - rect.height() + 1)));
    return rect;
}

struct Side {
    QRect full; // the window at its full size, next to the owner
    QRect room; // the part of the screen on that side, clear of the owner
};

} // namespace

QRect placeBeside(const QRect& owner, const QSize& size, const QRect& screen, const QSize& smallest,
                  const QRect& coverable)
{
    const int gap = 8;
    const Side sides[] = {
        {QRect(QPoint(owner.right() + 1 + gap, owner.top()), size),
         QRect(QPoint(owner.right() + 1 + gap, screen.top()), screen.bottomRight())},
        {QRect(QPoint(owner.left() - gap - size.width(), owner.top()), size),
         QRect(screen.topLeft(), QPoint(owner.left() - 1 - gap, screen.bottom()))},
        {QRect(QPoint(owner.left(), owner.bottom() + 1 + gap), size),
         QRect(QPoint(screen.left(), owner.bottom() + 1 + gap), screen.bottomRight())},
        {QRect(QPoint(owner.left(), owner.top() - gap - size.height()), size),
         QRect(screen.topLeft(), QPoint(screen.right(), owner.top() - 1 - gap))},
    };
    for (const Side& side : sides) {
        const QRect kept = keptOn(side.full, screen);
        if (screen.contains(kept) && !kept.intersects(owner))
            return kept;
    }
    // Smaller, on the side where the most of it still shows.
    const QSize least = (smallest.isValid() ? smallest.boundedTo(size) : size).boundedTo(screen.size());
    auto shrunkOn = [&](const Side& side) {
        const QSize fits = size.boundedTo(side.room.size()).expandedTo(QSize(1, 1));
        return keptOn(QRect(side.full.topLeft(), fits), side.room.isValid() ? side.room : screen);
    };
    const Side* best = nullptr;
    qint64 bestArea = -1;
    for (const Side& side : sides) {
        if (!side.room.isValid() || side.room.width() < least.width() || side.room.height() < least.height())
            continue;
        const QRect shrunk = shrunkOn(side);
        const qint64 area = qint64(shrunk.width()) * shrunk.height();
        if (area > bestArea) {
            best = &side;
            bestArea = area;
        }
    }
    if (best)
        return keptOn(shrunkOn(*best), screen);
    // No side has room even for that: the one with the most, at the least
    // size, overlapping the owner as little as it must.
    const int room[] = {screen.right() - owner.right(), owner.left() - screen.left(),
                        screen.bottom() - owner.bottom(), owner.top() - screen.top()};
    const int pick = int(std::max_element(std::begin(room), std::end(room)) - std::begin(room));
    if (!coverable.intersects(screen))
        return keptOn(QRect(sides[pick].full.topLeft(), least), screen);
    // Over the bottom of what it may cover, towards the side with the most
    // room; never above that part's top.
    const QRect area = coverable.intersected(screen);
    const int left = pick == 1 ? area.left() : area.right() - least.width() + 1;
    QRect over = keptOn(QRect(QPoint(left, area.bottom() - least.height() + 1), least), screen);
    if (over.top() < area.top())
        over.setTop(area.top());
    return over;
}
