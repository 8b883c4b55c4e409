#include "ui/app/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lumio {
namespace {

// Before a window is first shown its frame is unknown; this leaves room for a usual title bar and
// borders so that the close box is on the screen.
constexpr QSize kFrameAllowance(16, 48);

// One axis of `offsetPlacement`.
int offsetAlong(int other, int extent, int offset, int low, int high) {
    int placed = other + offset;
    if (placed + extent > high) placed = other - offset;
    return std::clamp(placed, low, std::max(low, high - extent));
}

}  // namespace

QRect placeWithin(QSize wanted, QSize frame, QRect available) {
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    const QSize client = wanted.boundedTo(room);
    const QSize outer = client + frame;
    const QPoint topLeft(available.left() + std::max(0, (available.width() - outer.width()) / 2),
                         available.top() + std::max(0, (available.height() - outer.height()) / 2));
    return {topLeft, client};
}

void openWithinScreen(QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen();
    if (!screen) {
        window.resize(wanted);
        return;
    }
    const QRect placed = placeWithin(wanted, kFrameAllowance, screen->availableGeometry());
    window.resize(placed.size());
    window.move(placed.topLeft());
}

QSize sizeWithinScreen(const QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen();
    return screen ? placeWithin(wanted, kFrameAllowance, screen->availableGeometry()).size() : wanted;
}

QPoint offsetPlacement(QPoint other, QSize size, QPoint offset, QRect available) {
    return {offsetAlong(other.x(), size.width(), offset.x(), available.left(), available.right() + 1),
            offsetAlong(other.y(), size.height(), offset.y(), available.top(), available.bottom() + 1)};
}

}  // namespace lumio
