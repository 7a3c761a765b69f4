#pragma once
// The diagram of twenty individuals: each one's days in egg, larva, pupa and
// adult laid out along its life, so that the overlap of the stages shows,
// and beside it the white box of its daily consumption.
#include <QWidget>

namespace vorelan {

class IntroDiagramView : public QWidget {
 public:
  explicit IntroDiagramView(QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorelan
