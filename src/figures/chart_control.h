#pragma once
// The chart of a window: holds a ChartData and draws it with Qt Charts.
// Procedures change data() and then call refresh() to redraw the picture.
#include <QWidget>

#include "charts/chart_data.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace vorelan {

class ChartControl : public QWidget {
 public:
  explicit ChartControl(QWidget* parent = nullptr);

  ChartData& data() { return data_; }
  const ChartData& data() const { return data_; }

  // Draws the picture anew from data().
  void refresh();

  // The picture as drawn, for checks of the drawing itself.
  QChart& chart();

 private:
  ChartData data_;
  QChartView* view_;
};

}  // namespace vorelan
