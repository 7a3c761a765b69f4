// The seven life-table figures on both windows, read from the chart's grid.
#include <QChart>
#include <QTest>
#include <QValueAxis>
#include <memory>

#include "figure_windows.h"
#include "support/life_table_figure_expectations.h"
#include "support/small_life_table.h"
#include "support/scripted_platform.h"

namespace vorelan {
namespace {

using testing::expectedY;
using testing::Expected;
using testing::Figures;
using testing::SmallMaxAge;
using testing::SmallStages;

// Both windows, each over a fresh small life table.
struct Windows {
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  std::unique_ptr<Form1> main;
  std::unique_ptr<grafform> large;

  Windows() {
    testing::fillSmallLifeTable(state);
    main = std::make_unique<Form1>(state, platform);
    large = std::make_unique<grafform>(main->switcher(), state, platform, nullptr, nullptr);
  }
  const ChartData& draw(bool onMain, LifeTableFigure figure) {
    if (onMain) {
      testing::showOnMain(*main, figure);
      return main->MSChart1->data();
    }
    testing::showOnLarge(*large, figure);
    return large->MSChart1->data();
  }
};

}  // namespace

class LifeTableFiguresTest : public QObject {
  Q_OBJECT

 private slots:
  void gridHoldsOneCurvePerSeriesClosingAtZero_data() { figureRows(); }
  void gridHoldsOneCurvePerSeriesClosingAtZero() {
    QFETCH(int, index);
    QFETCH(bool, onMain);
    const Expected& e = Figures[index];
    Windows w;
    const ChartData& chart = w.draw(onMain, e.figure);

    const int series = e.perStage ? SmallStages + 1 : 1;
    QCOMPARE(chart.type, ChartType::Xy2d);
    QCOMPARE(chart.grid.columnCount(), 2 * series);
    QCOMPARE(chart.grid.rowCount(), SmallMaxAge + 2);
    for (int j = 1; j <= series; ++j) {
      for (int row = 1; row <= SmallMaxAge + 1; ++row) {
        QCOMPARE(chart.grid.data(row, 2 * j - 1), double(row - 1));
        QCOMPARE(chart.grid.data(row, 2 * j), expectedY(e, row - 1, j));
      }
      QCOMPARE(chart.grid.data(SmallMaxAge + 2, 2 * j - 1), double(SmallMaxAge + 1));
      QCOMPARE(chart.grid.data(SmallMaxAge + 2, 2 * j), 0.0);
    }
    if (e.perStage) {
      const char* labels[] = {"Egg", "Nymp", "Female", "Male"};
      for (int j = 1; j <= series; ++j) QCOMPARE(chart.grid.columnLabel(2 * j - 1), std::string(labels[j - 1]));
    }
    QCOMPARE(chart.legendVisible, e.perStage);
  }

  void titlesFontsAndScales_data() { figureRows(); }
  void titlesFontsAndScales() {
    QFETCH(int, index);
    QFETCH(bool, onMain);
    const Expected& e = Figures[index];
    Windows w;
    const ChartData& chart = w.draw(onMain, e.figure);

    const FontSetting arial8{"Arial", 8};
    QCOMPARE(chart.title, std::string(e.title));
    QVERIFY(chart.titleFont == arial8);
    QCOMPARE(chart.legendLocation, LegendLocation::Right);
    QCOMPARE(chart.uniformAxis, false);
    QCOMPARE(chart.yAxis.title, std::string(onMain ? e.mainYTitle : e.largeYTitle));
    QCOMPARE(chart.xAxis.title, std::string(e.xTitle));
    for (const AxisSetting* axis : {&chart.xAxis, &chart.yAxis}) {
      QVERIFY(axis->titleVisible);
      QVERIFY(axis->titleFont == arial8);
      QVERIFY(axis->linearScale);
      QCOMPARE(axis->tickStyle, TickStyle::Outside);
    }
    QCOMPARE(chart.yAxis.automaticScale, e.yAutomatic);
    if (!e.yAutomatic) QCOMPARE(chart.yAxis.maximum, 1.1);
    QVERIFY(chart.yAxis.majorGrid.set);
    QCOMPARE(chart.yAxis.majorGrid.style, PenStyle::Solid);
    QVERIFY(!chart.yAxis.majorGrid.automaticColor);
    QVERIFY(chart.yAxis.majorGrid.color == (Rgb{0, 0, 0}));
  }

  // l(x)c(x) and g(x,j) take their x values from AgeValue, the others from the age itself.
  void xValuesOfTheAgeVectorFigures() {
    Windows w;
    for (std::size_t x = 0; x <= SmallMaxAge; ++x) w.state.ageVectors.AgeValue(x) = 10.0 * double(x);
    const struct {
      LifeTableFigure figure;
      bool fromAgeValue;
    } cases[] = {{LifeTableFigure::Sxj, false}, {LifeTableFigure::Gij, true},  {LifeTableFigure::Dij, false},
                 {LifeTableFigure::Cij, false}, {LifeTableFigure::Lx, true},   {LifeTableFigure::LxCx, true},
                 {LifeTableFigure::Cx, false}};
    for (const auto& c : cases) {
      const ChartData& chart = w.draw(true, c.figure);
      QCOMPARE(chart.grid.data(3, 1), c.fromAgeValue ? 20.0 : 2.0);
      // The closing point stays at MaxAge + 1 whatever the x values.
      QCOMPARE(chart.grid.data(SmallMaxAge + 2, 1), double(SmallMaxAge + 1));
    }
  }

  // A second figure replaces the first: counts, titles and cells are set anew.
  void aFigureReplacesThePreviousOne() {
    Windows w;
    w.draw(true, LifeTableFigure::Sxj);
    const ChartData& chart = w.draw(true, LifeTableFigure::Lx);
    QCOMPARE(chart.grid.columnCount(), 2);
    QCOMPARE(chart.title, std::string("Age-specific survival rate"));
    QVERIFY(!chart.legendVisible);
  }

  // The survival scales end at 1.1 as drawn, whatever figure came before:
  // l(x) after c(x,j), whose automatic scale sets no divisions, as after the
  // Basic Run; and s(x,j) in its eleven divisions of 0.1.
  void theSurvivalScalesEndAt1Point1AsDrawn() {
    const struct {
      LifeTableFigure before, figure;
      int ticks;
    } cases[] = {
        {LifeTableFigure::Cij, LifeTableFigure::Lx, 12},
        {LifeTableFigure::LxCx, LifeTableFigure::Lx, 12},
        {LifeTableFigure::Cij, LifeTableFigure::Sxj, 12},
        {LifeTableFigure::Sxj, LifeTableFigure::Lx, 12},
    };
    for (const bool onMain : {true, false}) {
      for (const auto& c : cases) {
        Windows w;
        w.draw(onMain, c.before);
        w.draw(onMain, c.figure);
        ChartControl& control = onMain ? *w.main->MSChart1 : *w.large->MSChart1;
        auto* y = qobject_cast<QValueAxis*>(control.chart().axes(Qt::Vertical).at(0));
        QVERIFY(y);
        QCOMPARE(y->min(), 0.0);
        QCOMPARE(y->max(), 1.1);
        QCOMPARE(y->tickCount(), c.ticks);
      }
    }
  }

 private:
  void figureRows() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("onMain");
    for (int i = 0; i < 7; ++i) {
      for (const bool onMain : {true, false}) {
        QTest::newRow((std::string(Figures[i].name) + (onMain ? " main" : " large")).c_str()) << i << onMain;
      }
    }
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::LifeTableFiguresTest)
#include "life_table_figures_test.moc"
