#pragma once
// How large a window may open: a laptop's screen of 1366 by 768 leaves about
// 690 pixels of height once the panel and the title bar are taken, and not
// every window system tells of its panel.
#include <QSize>

class QWidget;

namespace vorelan {

// What the window system takes around a window's contents, the panel included.
inline constexpr QSize WindowFrameAndPanel{8, 78};

// The room for the contents of `window` on its screen.
QSize roomOnScreen(const QWidget& window);

// Resizes `window` to `wanted`, or less where its screen has less room.
void resizeWithinScreen(QWidget& window, QSize wanted);

}  // namespace vorelan
