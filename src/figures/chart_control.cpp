#include "figures/chart_control.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vorelan {
namespace {

QFont fontOf(const FontSetting& setting, const QFont& base) {
  QFont font = base;
  if (!setting.name.empty()) font.setFamily(QString::fromStdString(setting.name));
  if (setting.size > 0) font.setPointSizeF(setting.size);
  return font;
}

Qt::Alignment alignmentOf(LegendLocation location) {
  switch (location) {
    case LegendLocation::Top:
    case LegendLocation::TopLeft:
    case LegendLocation::TopRight: return Qt::AlignTop;
    case LegendLocation::Left: return Qt::AlignLeft;
    case LegendLocation::Bottom: return Qt::AlignBottom;
    case LegendLocation::Right: break;
  }
  return Qt::AlignRight;
}

Qt::PenStyle penStyleOf(PenStyle style) {
  switch (style) {
    case PenStyle::None: return Qt::NoPen;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::Solid: break;
  }
  return Qt::SolidLine;
}

void applyTitleAndGrid(QAbstractAxis& axis, const AxisSetting& setting) {
  axis.setTitleText(QString::fromStdString(setting.title));
  axis.setTitleVisible(setting.titleVisible);
  axis.setTitleFont(fontOf(setting.titleFont, axis.titleFont()));
  if (setting.majorGrid.set) {
    QPen pen = axis.gridLinePen();
    pen.setStyle(penStyleOf(setting.majorGrid.style));
    if (!setting.majorGrid.automaticColor) {
      const Rgb& c = setting.majorGrid.color;
      pen.setColor(QColor(c.red, c.green, c.blue));
    }
    pen.setWidthF(0.6);
    axis.setGridLinePen(pen);
  }
  // Qt Charts draws its tick marks outside the plot; no ticks means none at all.
  if (setting.tickStyle == TickStyle::None) axis.setLineVisible(false);
}

// Divisions of [low, top] by the coarsest round step (1, 2 or 5 times a power
// of ten) that fits a whole number of times, four to twelve of them: a fixed
// maximum stays the top of the scale.
int roundDivisions(double low, double top) {
  const double span = top - low;
  for (double power = std::pow(10.0, std::ceil(std::log10(span))); power > span * 1e-3; power /= 10) {
    for (const double factor : {5.0, 2.0, 1.0}) {
      const double count = span / (factor * power);
      if (count >= 4 && count <= 12 && std::abs(count - std::round(count)) < 1e-9) return int(std::round(count));
    }
  }
  return 5;
}

// A value axis over [low, high]: a fixed maximum with its divisions, or a
// scale of round numbers that takes in every value.
void applyScale(QValueAxis& axis, const AxisSetting& setting, double low, double high) {
  low = std::min(0.0, low);
  if (!setting.automaticScale) {
    const double top = setting.maximum > low ? setting.maximum : low + 1;
    axis.setRange(low, top);
    const int divisions = setting.majorDivisions > 0 ? setting.majorDivisions : roundDivisions(low, top);
    axis.setTickCount(divisions + 1);
    return;
  }
  if (!(high > low)) high = low + 1;
  axis.setRange(low, high);
  axis.applyNiceNumbers();
}

// Twelve colours that stay apart, one per curve: a stage figure has up to
// twelve stage columns.
QColor curveColour(int series) {
  static const QColor colours[] = {
      QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),  QColor(214, 39, 40),
      QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(127, 127, 127),
      QColor(188, 189, 34),  QColor(23, 190, 207), QColor(0, 0, 128),    QColor(128, 0, 0)};
  return colours[(series - 1) % 12];
}

void drawXy(QChart& chart, const ChartData& data) {
  const DataGrid& grid = data.grid;
  double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
  bool any = false;
  for (int pair = 1; 2 * pair <= grid.columnCount(); ++pair) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(grid.columnLabel(2 * pair - 1)));
    for (int row = 1; row <= grid.rowCount(); ++row) {
      const double x = grid.data(row, 2 * pair - 1);
      const double y = grid.data(row, 2 * pair);
      series->append(x, y);
      xLow = any ? std::min(xLow, x) : x;
      xHigh = any ? std::max(xHigh, x) : x;
      yLow = any ? std::min(yLow, y) : y;
      yHigh = any ? std::max(yHigh, y) : y;
      any = true;
    }
    chart.addSeries(series);
    series->setPen(QPen(curveColour(pair), 2.0));
  }
  auto* xAxis = new QValueAxis;
  auto* yAxis = new QValueAxis;
  xAxis->setLabelFormat("%g");
  yAxis->setLabelFormat("%g");
  chart.addAxis(xAxis, Qt::AlignBottom);
  chart.addAxis(yAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart.series()) {
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
  applyScale(*xAxis, data.xAxis, xLow, xHigh);
  applyScale(*yAxis, data.yAxis, yLow, yHigh);
  applyTitleAndGrid(*xAxis, data.xAxis);
  applyTitleAndGrid(*yAxis, data.yAxis);
}

void drawBars(QChart& chart, const ChartData& data) {
  const DataGrid& grid = data.grid;
  auto* set = new QBarSet(QString::fromStdString(grid.columnCount() > 0 ? grid.columnLabel(1) : ""));
  QStringList categories;
  double high = 0;
  for (int row = 1; row <= grid.rowCount() && grid.columnCount() > 0; ++row) {
    const double value = grid.data(row, 1);
    *set << value;
    high = std::max(high, value);
    // A category axis keeps one bar per distinct label: equal labels (all
    // values alike) are kept apart by invisible marks.
    QString label = QString::fromStdString(grid.rowLabel(row));
    while (categories.contains(label)) label += QChar(0x200B);
    categories << label;
  }
  if (const auto fill = data.seriesFill.find(1); fill != data.seriesFill.end()) {
    set->setColor(QColor(fill->second.red, fill->second.green, fill->second.blue));
  }
  auto* series = new QBarSeries;
  series->append(set);
  chart.addSeries(series);
  auto* xAxis = new QBarCategoryAxis;
  xAxis->append(categories);
  // Upright labels side by side are cut to their first digits once the bars
  // are narrow (a histogram has 23); standing on end they are read whole.
  xAxis->setLabelsAngle(-90);
  auto* yAxis = new QValueAxis;
  yAxis->setLabelFormat("%g");
  chart.addAxis(xAxis, Qt::AlignBottom);
  chart.addAxis(yAxis, Qt::AlignLeft);
  series->attachAxis(xAxis);
  series->attachAxis(yAxis);
  applyScale(*yAxis, data.yAxis, 0, high);
  applyTitleAndGrid(*xAxis, data.xAxis);
  applyTitleAndGrid(*yAxis, data.yAxis);
}

}  // namespace

ChartControl::ChartControl(QWidget* parent) : QWidget(parent), view_(new QChartView(new QChart)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->chart()->legend()->hide();
}

QChart& ChartControl::chart() { return *view_->chart(); }

void ChartControl::refresh() {
  auto* chart = new QChart;
  chart->setTitle(QString::fromStdString(data_.title));
  chart->setTitleFont(fontOf(data_.titleFont, chart->titleFont()));
  chart->setMargins(QMargins(6, 6, 6, 6));
  if (data_.type == ChartType::Bar2d) {
    drawBars(*chart, data_);
  } else {
    drawXy(*chart, data_);
  }
  QLegend& legend = *chart->legend();
  legend.setVisible(data_.legendVisible);
  legend.setAlignment(alignmentOf(data_.legendLocation));
  legend.setFont(fontOf(data_.legendFont, legend.font()));
  QChart* previous = view_->chart();
  view_->setChart(chart);
  delete previous;
}

}  // namespace vorelan
