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

} // namespace

QRect placeBeside(const QRect& owner, const QSize& size, const QRect& screen)
{
    const int gap = 8;
    const QRect candidates[] = {
        QRect(QPoint(owner.right() + 1 + gap, owner.top()), size),
        QRect(QPoint(owner.left() - gap - size.width(), owner.top()), size),
        QRect(QPoint(owner.left(), owner.bottom() + 1 + gap), size),
        QRect(QPoint(owner.left(), owner.top() - gap - size.height()), size),
    };
    for (const QRect& candidate : candidates) {
        const QRect kept = keptOn(candidate, screen);
        if (screen.contains(kept) && !kept.intersects(owner))
            return kept;
    }
    // No side has room: the one with the most, overlapping as little as it must.
    const int right = screen.right() - owner.right();
    const int left = owner.left() - screen.left();
    const int below = screen.bottom() - owner.bottom();
    const int above = owner.top() - screen.top();
    const int most = std::max({right, left, below, above});
    const int pick = most == right ? 0 : most == left ? 1 : most == below ? 2 : 3;
    return keptOn(candidates[pick], screen);
}
