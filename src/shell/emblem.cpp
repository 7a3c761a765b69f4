#include "shell/emblem.h"

#include <QPainter>
#include <QPainterPath>

namespace vorelan {

QPixmap emblemPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(QColor(232, 240, 250));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 100.0, size / 100.0);
  // Eight legs, four a side.
  p.setPen(QPen(QColor(120, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 4; ++i) {
    const double y = 40 + i * 9;
    const double reach = i < 2 ? -10 : 12;
    p.drawLine(QPointF(42, y), QPointF(16, y + reach));
    p.drawLine(QPointF(58, y), QPointF(84, y + reach));
  }
  // Body and gnathosoma.
  p.setPen(QPen(QColor(90, 40, 10), 2));
  p.setBrush(QColor(200, 90, 40));
  p.drawEllipse(QRectF(33, 34, 34, 44));
  p.setBrush(QColor(170, 70, 30));
  p.drawEllipse(QRectF(43, 24, 14, 14));
  p.setBrush(QColor(255, 210, 170, 140));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(40, 40, 10, 14));
  return pixmap;
}

}  // namespace vorelan
