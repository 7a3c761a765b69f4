#include "ui/window_printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace vorelan {
namespace {

constexpr const char* PrintTitle = "Print";

}  // namespace

std::unique_ptr<QPrinter> defaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool printWindowImage(QWidget& window, const PrinterSource& source, Platform& platform) {
  std::unique_ptr<QPrinter> printer = source ? source() : nullptr;
  if (!printer) {
    platform.message.show("No printer is set up on this computer, so nothing was printed.", PrintTitle);
    return false;
  }
  const QPixmap image = window.grab();
  QPainter painter;
  if (!painter.begin(printer.get())) {
    platform.message.show("The printer did not accept the page, so nothing was printed.", PrintTitle);
    return false;
  }
  // The window at its size on screen, smaller only where the page is smaller.
  const QRect page = painter.viewport();
  const double screenToPage = printer->logicalDpiX() / std::max(1.0, double(window.logicalDpiX()));
  QSizeF size = QSizeF(image.size()) / image.devicePixelRatio() * screenToPage;
  if (size.width() > page.width() || size.height() > page.height()) {
    size.scale(page.size(), Qt::KeepAspectRatio);
  }
  painter.drawPixmap(QRectF(QPointF(0, 0), size), image, QRectF(image.rect()));
  const bool printed = painter.end();
  if (!printed) {
    platform.message.show("The printer did not accept the page, so nothing was printed.", PrintTitle);
  }
  return printed;
}

}  // namespace vorelan
