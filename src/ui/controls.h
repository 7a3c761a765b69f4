#pragma once
// Small controls of the windows: a label that answers clicks, and a button
// whose long caption wraps over several lines.
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace vorelan {

class ClickableLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;
  std::function<void()> onDoubleClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int Padding = 8;
};

}  // namespace vorelan
