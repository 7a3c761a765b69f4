#pragma once
// A picture of the program's own, drawn from an SVG file of its resources at
// any size, keeping its proportions.
#include <QSvgRenderer>
#include <QWidget>

namespace vorelan {

class SvgPicture : public QWidget {
 public:
  SvgPicture(const QString& resource, QWidget* parent);
  // True when the resource was found and read.
  bool isValid() const { return renderer_.isValid(); }
  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
};

}  // namespace vorelan
