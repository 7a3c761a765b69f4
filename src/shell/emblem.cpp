#include "shell/emblem.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vorelan {

QPixmap emblemPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer emblem(QString(":/shell/emblem.svg"));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  emblem.render(&painter, QRectF(0, 0, size, size));
  return pixmap;
}

}  // namespace vorelan
