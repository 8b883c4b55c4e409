#pragma once
// Where windows open: inside the screen's available area, and not exactly on top of each other.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace lumio {

// The client area of a window that would like `wanted` on a screen whose available area is
// `available`, with `frame` the room its title bar and borders take: `wanted`, shrunk to fit, centred.
// The rectangle's top left is where the frame's top left goes.
QRect placeWithin(QSize wanted, QSize frame, QRect available);

// Resizes and moves the top-level `window` (not yet shown) as `placeWithin` says for its screen.
void openWithinScreen(QWidget& window, QSize wanted);
// `wanted`, shrunk so that the top-level `window` with its frame fits its screen.
QSize sizeWithinScreen(const QWidget& window, QSize wanted);

// The top left for a window of `size` (frame included) that should not cover one standing at `other`:
// moved by `offset`, or against it along an axis where that would leave `available`, and kept inside.
QPoint offsetPlacement(QPoint other, QSize size, QPoint offset, QRect available);

}  // namespace lumio
