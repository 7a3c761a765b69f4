#pragma once
// The seven figures of the life table: s(x,j), g(x,j), d(x,j) and c(x,j) with
// one curve per stage column, and l(x), l(x)c(x) and c(x) with one curve.
// The main window and the large-chart window each draw them on their own
// chart; the two sets differ only in three y-axis titles.
#include "charts/chart_data.h"
#include "model/analysis_state.h"

namespace vorelan {

enum class LifeTableFigure { Sxj, Gij, Dij, Cij, Lx, LxCx, Cx };
enum class FigureWindow { Main, Large };

// Sets every setting and data cell of the chart for one figure, from what
// the life table holds now. Each curve runs over the ages 0..MaxAge and
// closes at (MaxAge + 1, 0).
void fillLifeTableFigure(ChartData& chart, const AnalysisState& state, LifeTableFigure figure,
                         FigureWindow window);

}  // namespace vorelan
