#include "charts/life_table_figures.h"

#include <array>

namespace vorelan {
namespace {

enum class Curves { PerStage, One };
enum class XValues { AgeIndex, AgeValue };
enum class YScale { ZeroToOnePointOneIn11, ZeroToOnePointOne, Automatic };

using StageValue = double (*)(const AnalysisState&, int age, int stage);
using AgeValueOf = double (*)(const AnalysisState&, int age);

struct FigureRecipe {
  Curves curves;
  const char* title;
  const char* mainYTitle;
  const char* largeYTitle;
  const char* xTitle;
  XValues x;
  YScale yScale;
  StageValue stageValue;  // stage figures
  AgeValueOf ageValue;    // age figures
};

auto u(int i) { return static_cast<std::size_t>(i); }

double sxj(const AnalysisState& s, int x, int j) { return s.matrices.Sxj(u(x), u(j)); }
double gxj(const AnalysisState& s, int x, int j) { return s.matrices.Gxj(u(x), u(j)); }
double dxj(const AnalysisState& s, int x, int j) { return s.matrices.Dxj(u(x), u(j)); }
double cxj(const AnalysisState& s, int x, int j) { return s.matrices.Cxj(u(x), u(j)); }
double lx(const AnalysisState& s, int x) { return s.ageVectors.Lx(u(x)); }
double qx(const AnalysisState& s, int x) { return s.ageVectors.Qx(u(x)); }
double kx(const AnalysisState& s, int x) { return s.ageVectors.Kx(u(x)); }

// One row per figure, in the order of LifeTableFigure.
constexpr std::array<FigureRecipe, 7> Recipes{{
    {Curves::PerStage, "Survival rate to each age-stage group", "S(i,j)", "S(i,j)", "age", XValues::AgeIndex,
     YScale::ZeroToOnePointOneIn11, &sxj, nullptr},
    {Curves::PerStage, "Age-stage specific growth probability", "g(x,j)", "g(i,j)", "Age", XValues::AgeValue,
     YScale::ZeroToOnePointOneIn11, &gxj, nullptr},
    {Curves::PerStage, "Age-stage specific development probability", "d(x,j)", "d(i,j)", "Age",
     XValues::AgeIndex, YScale::ZeroToOnePointOneIn11, &dxj, nullptr},
    {Curves::PerStage, "Age-stage specific consumption rate", "c(x,j)", "c(i,j)", "Age", XValues::AgeIndex,
     YScale::Automatic, &cxj, nullptr},
    {Curves::One, "Age-specific survival rate", "l(x)", "l(x)", "Age", XValues::AgeValue,
     YScale::ZeroToOnePointOne, nullptr, &lx},
    {Curves::One, "Age-specific net consumption", "l(x)*c(x)", "l(x)*c(x)", "Age", XValues::AgeValue,
     YScale::Automatic, nullptr, &qx},
    {Curves::One, "Age-specific consumption rate", "c(x)", "c(x)", "Age", XValues::AgeIndex, YScale::Automatic,
     nullptr, &kx},
}};

const FontSetting Arial8{"Arial", 8};

void setAxes(ChartData& chart, const FigureRecipe& recipe, FigureWindow window) {
  AxisSetting& y = chart.yAxis;
  y.linearScale = true;
  y.automaticScale = recipe.yScale == YScale::Automatic;
  if (!y.automaticScale) y.maximum = 1.1;
  // Divisions once set stay with the chart, as do all settings a figure leaves alone.
  if (recipe.yScale == YScale::ZeroToOnePointOneIn11) y.majorDivisions = 11;
  y.tickStyle = TickStyle::Outside;
  y.majorGrid = GridPen{true, PenStyle::Solid, false, Rgb{0, 0, 0}};
  y.titleFont = Arial8;
  y.titleVisible = true;
  y.title = window == FigureWindow::Main ? recipe.mainYTitle : recipe.largeYTitle;

  AxisSetting& x = chart.xAxis;
  x.linearScale = true;
  x.titleFont = Arial8;
  x.tickStyle = TickStyle::Outside;
  x.titleVisible = true;
  x.title = recipe.xTitle;
}

double xValue(const AnalysisState& state, const FigureRecipe& recipe, int age) {
  return recipe.x == XValues::AgeValue ? state.ageVectors.AgeValue(u(age)) : age;
}

void writeCurve(ChartData& chart, const AnalysisState& state, const FigureRecipe& recipe, int series) {
  const int maxAge = state.stageStats.MaxAge;
  const int xColumn = 2 * series - 1;
  for (int row = 1; row <= maxAge + 1; ++row) {
    const int age = row - 1;
    const double y = recipe.curves == Curves::PerStage ? recipe.stageValue(state, age, series)
                                                       : recipe.ageValue(state, age);
    chart.grid.setData(row, xColumn, xValue(state, recipe, age));
    chart.grid.setData(row, xColumn + 1, y);
  }
  chart.grid.setData(maxAge + 2, xColumn, maxAge + 1);
  chart.grid.setData(maxAge + 2, xColumn + 1, 0);
}

}  // namespace

void fillLifeTableFigure(ChartData& chart, const AnalysisState& state, LifeTableFigure figure,
                         FigureWindow window) {
  const FigureRecipe& recipe = Recipes[static_cast<std::size_t>(figure)];
  const bool perStage = recipe.curves == Curves::PerStage;
  const int seriesCount = perStage ? state.header.NumStages + 1 : 1;

  chart.grid.setColumnCount(2 * seriesCount);
  chart.grid.setRowCount(state.stageStats.MaxAge + 2);
  chart.type = ChartType::Xy2d;
  chart.legendVisible = perStage;
  if (figure == LifeTableFigure::Sxj) chart.legendFont.size = 8;
  chart.titleFont = Arial8;
  chart.title = recipe.title;
  chart.legendLocation = LegendLocation::Right;
  chart.uniformAxis = false;
  setAxes(chart, recipe, window);

  for (int series = 1; series <= seriesCount; ++series) {
    if (perStage) chart.grid.setColumnLabel(2 * series - 1, state.header.StageName(1, u(series)));
    writeCurve(chart, state, recipe, series);
  }
}

}  // namespace vorelan
