#include "ui/controls.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vorelan {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
  QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
  QLabel::mouseDoubleClickEvent(event);
}

int WrappingButton::heightForWidth(int width) const {
  const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, std::max(1, width - 2 * Padding), 10000),
                                                  Qt::TextWordWrap | Qt::AlignCenter, text());
  return bounds.height() + 2 * Padding;
}

QSize WrappingButton::sizeHint() const {
  const int width = 200;
  return {width, heightForWidth(width)};
}

QSize WrappingButton::minimumSizeHint() const { return {120, heightForWidth(120)}; }

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(rect().adjusted(Padding, Padding, -Padding, -Padding), Qt::TextWordWrap | Qt::AlignCenter,
                   text());
}

}  // namespace vorelan
