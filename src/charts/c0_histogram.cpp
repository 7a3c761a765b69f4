#include "charts/c0_histogram.h"

namespace vorelan {

void fillC0Histogram(ChartData& chart, const C0Histogram& histogram) {
  const FontSetting arial10{"Arial", 10};
  chart.title = histogram.title;
  chart.titleFont = arial10;
  chart.xAxis.titleFont = arial10;
  chart.seriesFill.erase(1);
  if (histogram.barFill) chart.seriesFill[1] = *histogram.barFill;
  DataGrid& grid = chart.grid;
  grid.setColumnCount(1);
  grid.setRowCount(C0Histogram::Bars);
  for (int row = 1; row <= C0Histogram::Bars; ++row) {
    grid.setRowLabel(row, histogram.labels[row - 1]);
    grid.setData(row, 1, histogram.frequencies[row - 1]);
  }
}

}  // namespace vorelan
