#include "ui/window_switching.h"

#include <QCloseEvent>

namespace vorelan {

void WindowSwitcher::open(QWidget& from, QWidget& to, SwitchOrder order) {
  if (order == SwitchOrder::ShowThenHide) {
    to.show();
    from.hide();
  } else {
    from.hide();
    to.show();
  }
  to.raise();
  to.activateWindow();
}

void WindowSwitcher::backToMain(QWidget& from) {
  from.hide();
  if (main_) {
    main_->show();
    main_->raise();
    main_->activateWindow();
  }
}

SecondaryWindow::SecondaryWindow(WindowSwitcher& switcher) : switcher_(switcher) {
  setAttribute(Qt::WA_DeleteOnClose);
}

void SecondaryWindow::goBack() { switcher_.backToMain(*this); }

void SecondaryWindow::closeEvent(QCloseEvent* event) {
  unloaded_ = true;
  switcher_.backToMain(*this);
  event->accept();
}

}  // namespace vorelan
