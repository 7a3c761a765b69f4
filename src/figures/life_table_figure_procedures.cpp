#include "figures/life_table_figure_procedures.h"

#include <QWidget>

namespace vorelan {

void LifeTableFigureProcedures::showFigure(LifeTableFigure figure) {
  const FigureWindowSteps steps = stepsOf(figure);
  ChartControl& chart = figureChart();
  if (steps.chartVisibleFirst) chart.setVisible(true);
  fillLifeTableFigure(chart.data(), state_, figure, window_);
  chart.refresh();
  // A drawn figure stands in front of whatever shares its place (the greeting).
  chart.raise();
  if (steps.chartVisibleAtEnd) chart.setVisible(true);
  if (steps.hidesGreeting) hideGreeting();
  if (steps.focus) steps.focus->setFocus();
}

}  // namespace vorelan
