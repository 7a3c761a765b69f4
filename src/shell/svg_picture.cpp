#include "shell/svg_picture.h"

#include <QPainter>

namespace vorelan {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize SvgPicture::sizeHint() const { return renderer_.defaultSize(); }

int SvgPicture::heightForWidth(int width) const {
  const QSize size = renderer_.defaultSize();
  return size.width() > 0 ? width * size.height() / size.width() : width;
}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QSizeF size = renderer_.defaultSize();
  size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
  // Centred in the space it is given.
  const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  renderer_.render(&painter, target);
}

}  // namespace vorelan
