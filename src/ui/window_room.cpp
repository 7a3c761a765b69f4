#include "ui/window_room.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorelan {

QSize roomOnScreen(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return screen->availableGeometry().size() - WindowFrameAndPanel;
}

void resizeWithinScreen(QWidget& window, QSize wanted) { window.resize(wanted.boundedTo(roomOnScreen(window))); }

}  // namespace vorelan
