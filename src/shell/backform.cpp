#include "shell/backform.h"

namespace vorelan {

backform::backform() {
  setWindowTitle("Vorelan");
  setAutoFillBackground(true);
  QPalette dark = palette();
  dark.setColor(QPalette::Window, QColor(0, 0, 0x40));
  setPalette(dark);
}

}  // namespace vorelan
