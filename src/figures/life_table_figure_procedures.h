#pragma once
// The seven figure procedures of a window that shows the life table on its
// chart. Each draws its figure and then does what its window asks of it:
// the chart made visible before or after drawing, the greeting hidden, the
// focus moved to the button of the figure that comes next.
#include "figures/chart_control.h"
#include "charts/life_table_figures.h"
#include "model/analysis_state.h"

class QWidget;

namespace vorelan {

// What one figure procedure does to its window besides drawing.
struct FigureWindowSteps {
  bool chartVisibleFirst = false;
  bool chartVisibleAtEnd = false;
  bool hidesGreeting = false;
  QWidget* focus = nullptr;  // null: the focus stays where it is
};

class LifeTableFigureProcedures {
 public:
  virtual ~LifeTableFigureProcedures() = default;

  void ShowSxj() { showFigure(LifeTableFigure::Sxj); }
  void ShowGij() { showFigure(LifeTableFigure::Gij); }
  void ShowDij() { showFigure(LifeTableFigure::Dij); }
  void ShowCij() { showFigure(LifeTableFigure::Cij); }
  void ShowLx() { showFigure(LifeTableFigure::Lx); }
  void ShowLxCx() { showFigure(LifeTableFigure::LxCx); }
  void ShowCx() { showFigure(LifeTableFigure::Cx); }

 protected:
  LifeTableFigureProcedures(const AnalysisState& state, FigureWindow window) : state_(state), window_(window) {}

  // The chart the figures are drawn on.
  virtual ChartControl& figureChart() = 0;
  // The window's steps around drawing one figure.
  virtual FigureWindowSteps stepsOf(LifeTableFigure figure) = 0;
  // Hides the greeting labels, on a window that has them.
  virtual void hideGreeting() {}

 private:
  void showFigure(LifeTableFigure figure);

  const AnalysisState& state_;
  FigureWindow window_;
};

}  // namespace vorelan
