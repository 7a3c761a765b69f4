// The figure models of the life table, computed without any window.
#include "charts/life_table_figures.h"

#include <gtest/gtest.h>

#include "support/life_table_figure_expectations.h"
#include "support/test_name.h"

namespace vorelan {
namespace {

using testing::SmallMaxAge;
using testing::SmallStages;

struct FigureOnWindow {
  int index;
  bool onMain;
};

void PrintTo(const FigureOnWindow& c, std::ostream* out) {
  *out << testing::Figures[c.index].name << (c.onMain ? " on the main window" : " on the large window");
}

class LifeTableFigureModel : public ::testing::TestWithParam<FigureOnWindow> {
 protected:
  const testing::Expected& expected() const { return testing::Figures[GetParam().index]; }
  ChartData draw() const {
    AnalysisState state;
    testing::fillSmallLifeTable(state);
    ChartData chart;
    fillLifeTableFigure(chart, state, expected().figure, GetParam().onMain ? FigureWindow::Main : FigureWindow::Large);
    return chart;
  }
};

TEST_P(LifeTableFigureModel, OneCurvePerSeriesOverEveryAgeClosingAtZero) {
  const testing::Expected& e = expected();
  const ChartData chart = draw();
  const int series = e.perStage ? SmallStages + 1 : 1;
  EXPECT_EQ(chart.type, ChartType::Xy2d);
  ASSERT_EQ(chart.grid.columnCount(), 2 * series);
  ASSERT_EQ(chart.grid.rowCount(), SmallMaxAge + 2);
  for (int j = 1; j <= series; ++j) {
    for (int row = 1; row <= SmallMaxAge + 1; ++row) {
      EXPECT_EQ(chart.grid.data(row, 2 * j - 1), double(row - 1));
      EXPECT_EQ(chart.grid.data(row, 2 * j), testing::expectedY(e, row - 1, j));
    }
    EXPECT_EQ(chart.grid.data(SmallMaxAge + 2, 2 * j - 1), double(SmallMaxAge + 1));
    EXPECT_EQ(chart.grid.data(SmallMaxAge + 2, 2 * j), 0.0);
  }
  EXPECT_EQ(chart.legendVisible, e.perStage);
}

TEST_P(LifeTableFigureModel, TitlesAndScales) {
  const testing::Expected& e = expected();
  const ChartData chart = draw();
  EXPECT_EQ(chart.title, e.title);
  EXPECT_EQ(chart.yAxis.title, GetParam().onMain ? e.mainYTitle : e.largeYTitle);
  EXPECT_EQ(chart.xAxis.title, e.xTitle);
  EXPECT_EQ(chart.yAxis.automaticScale, e.yAutomatic);
  if (!e.yAutomatic) {
    EXPECT_EQ(chart.yAxis.maximum, 1.1);
  }
}

// The divisions of the y scale: eleven for s, g and d, not set otherwise.
TEST_P(LifeTableFigureModel, DivisionsOnAFreshChart) {
  const testing::Expected& e = expected();
  const ChartData chart = draw();
  EXPECT_EQ(chart.yAxis.majorDivisions, e.yDivisions);
  // Only the s(x,j) figure sets the legend's font size.
  EXPECT_EQ(chart.legendFont.size, e.figure == LifeTableFigure::Sxj ? 8.0 : 0.0);
}

std::vector<FigureOnWindow> everyFigureOnBothWindows() {
  std::vector<FigureOnWindow> cases;
  for (int i = 0; i < 7; ++i)
    for (const bool onMain : {true, false}) cases.push_back({i, onMain});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Figures, LifeTableFigureModel, ::testing::ValuesIn(everyFigureOnBothWindows()),
                         [](const auto& info) {
                           return std::string(info.param.onMain ? "Main_" : "Large_") +
                                  testing::testNameOfText(testing::Figures[info.param.index].name);
                         });

// The figures before any Basic Run draw the empty life table.
TEST(LifeTableFigureModelOfTheEmptyState, HasOneSeriesOfTwoRows) {
  AnalysisState state;
  ChartData chart;
  fillLifeTableFigure(chart, state, LifeTableFigure::Sxj, FigureWindow::Main);
  EXPECT_EQ(chart.grid.columnCount(), 2);
  EXPECT_EQ(chart.grid.rowCount(), 2);
  EXPECT_EQ(chart.grid.data(2, 1), 1.0);
  EXPECT_EQ(chart.grid.data(2, 2), 0.0);
}

}  // namespace
}  // namespace vorelan
