// The chart layer turns its grid and settings into the picture.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "figures/chart_control.h"

namespace vorelan {

class ChartControlTest : public QObject {
  Q_OBJECT

 private slots:
  void xyGridBecomesOneLineSeriesPerColumnPair() {
    ChartControl control;
    ChartData& d = control.data();
    d.type = ChartType::Xy2d;
    d.grid.setColumnCount(4);
    d.grid.setRowCount(3);
    d.grid.setColumnLabel(1, "Egg");
    d.grid.setColumnLabel(3, "Female");
    for (int r = 1; r <= 3; ++r) {
      d.grid.setData(r, 1, r - 1);
      d.grid.setData(r, 2, 0.25 * r);
      d.grid.setData(r, 3, r - 1);
      d.grid.setData(r, 4, 0.5);
    }
    d.title = "Survival";
    d.legendVisible = true;
    d.yAxis.automaticScale = false;
    d.yAxis.maximum = 1.1;
    d.yAxis.majorDivisions = 11;
    d.yAxis.title = "S(i,j)";
    d.yAxis.titleVisible = true;
    control.refresh();

    QChart& chart = control.chart();
    QCOMPARE(chart.title(), QString("Survival"));
    const auto series = chart.series();
    QCOMPARE(series.size(), 2);
    auto* first = qobject_cast<QLineSeries*>(series[0]);
    QVERIFY(first);
    QCOMPARE(first->name(), QString("Egg"));
    QCOMPARE(first->count(), 3);
    QCOMPARE(first->at(2), QPointF(2, 0.75));
    QCOMPARE(series[1]->name(), QString("Female"));
    QVERIFY(chart.legend()->isVisible());
    QCOMPARE(chart.legend()->alignment(), Qt::AlignRight);

    const auto yAxes = chart.axes(Qt::Vertical);
    QCOMPARE(yAxes.size(), 1);
    auto* y = qobject_cast<QValueAxis*>(yAxes[0]);
    QVERIFY(y);
    QCOMPARE(y->max(), 1.1);
    QCOMPARE(y->min(), 0.0);
    QCOMPARE(y->tickCount(), 12);
    QCOMPARE(y->titleText(), QString("S(i,j)"));
  }

  // A fixed maximum without divisions stays the top of the scale, divided
  // by a round step.
  void aFixedMaximumWithoutDivisionsStaysTheTop() {
    const struct {
      double maximum;
      int ticks;
    } cases[] = {{1.1, 12}, {1.0, 6}, {2.0, 5}, {10.0, 6}, {0.8, 5}};
    for (const auto& c : cases) {
      ChartControl control;
      ChartData& d = control.data();
      d.grid.setColumnCount(2);
      d.grid.setRowCount(2);
      d.grid.setData(1, 2, 0.5);
      d.grid.setData(2, 1, 3);
      d.yAxis.automaticScale = false;
      d.yAxis.maximum = c.maximum;
      control.refresh();
      auto* y = qobject_cast<QValueAxis*>(control.chart().axes(Qt::Vertical).at(0));
      QCOMPARE(y->min(), 0.0);
      QCOMPARE(y->max(), c.maximum);
      QCOMPARE(y->tickCount(), c.ticks);
    }
  }

  void automaticScaleTakesInEveryValue() {
    ChartControl control;
    ChartData& d = control.data();
    d.grid.setColumnCount(2);
    d.grid.setRowCount(2);
    d.grid.setData(1, 2, 3.7);
    d.grid.setData(2, 1, 1);
    control.refresh();
    auto* y = qobject_cast<QValueAxis*>(control.chart().axes(Qt::Vertical).at(0));
    QVERIFY(y->max() >= 3.7);
    QCOMPARE(y->min(), 0.0);
    QVERIFY(!control.chart().legend()->isVisible());
  }

  void barGridBecomesLabelledBars() {
    ChartControl control;
    ChartData& d = control.data();
    d.type = ChartType::Bar2d;
    d.grid.setColumnCount(1);
    d.grid.setRowCount(3);
    const char* labels[] = {"0", "1.5", "2.5"};
    for (int r = 1; r <= 3; ++r) {
      d.grid.setRowLabel(r, labels[r - 1]);
      d.grid.setData(r, 1, r * 2);
    }
    d.seriesFill[1] = Rgb{0, 0, 255};
    control.refresh();
    const auto series = control.chart().series();
    QCOMPARE(series.size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(series[0]);
    QVERIFY(bars);
    QCOMPARE(bars->barSets().at(0)->at(2), 6.0);
    QCOMPARE(bars->barSets().at(0)->color(), QColor(0, 0, 255));
    auto* x = qobject_cast<QBarCategoryAxis*>(control.chart().axes(Qt::Horizontal).at(0));
    QCOMPARE(x->categories(), QStringList({"0", "1.5", "2.5"}));
    QCOMPARE(x->labelsAngle(), -90);  // whole labels under narrow bars
  }

  void gridRefusesCellsOutsideIt() {
    DataGrid grid;
    grid.setColumnCount(2);
    grid.setRowCount(3);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.setData(4, 1, 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.setData(1, 3, 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.data(0, 1));
    grid.setData(3, 2, 7);
    QCOMPARE(grid.data(3, 2), 7.0);
    // A new size clears every cell.
    grid.setRowCount(3);
    QCOMPARE(grid.data(3, 2), 0.0);
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::ChartControlTest)
#include "chart_control_test.moc"
