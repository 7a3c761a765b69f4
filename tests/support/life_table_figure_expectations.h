#pragma once
// What each life-table figure must show of the small life table, worked out
// from the figure table; read by the core tests of the figure models and by
// the window tests that draw them.
#include "charts/life_table_figures.h"
#include "support/small_life_table.h"

namespace vorelan::testing {

// What each figure must show, worked out from the figure table.
struct Expected {
  LifeTableFigure figure;
  const char* name;
  const char* title;
  const char* mainYTitle;
  const char* largeYTitle;
  const char* xTitle;
  bool perStage;
  int source;          // matrix 1..4 (s, g, d, c) or vector 1..3 (l, q, k)
  bool yAutomatic;
  int yDivisions;      // on a fresh chart; 0: not set
};

inline const Expected Figures[] = {
    {LifeTableFigure::Sxj, "s(x,j)", "Survival rate to each age-stage group", "S(i,j)", "S(i,j)", "age", true, 1,
     false, 11},
    {LifeTableFigure::Gij, "g(x,j)", "Age-stage specific growth probability", "g(x,j)", "g(i,j)", "Age", true, 2,
     false, 11},
    {LifeTableFigure::Dij, "d(x,j)", "Age-stage specific development probability", "d(x,j)", "d(i,j)", "Age", true,
     3, false, 11},
    {LifeTableFigure::Cij, "c(x,j)", "Age-stage specific consumption rate", "c(x,j)", "c(i,j)", "Age", true, 4, true,
     0},
    {LifeTableFigure::Lx, "l(x)", "Age-specific survival rate", "l(x)", "l(x)", "Age", false, 1, false, 0},
    {LifeTableFigure::LxCx, "l(x)c(x)", "Age-specific net consumption", "l(x)*c(x)", "l(x)*c(x)", "Age", false, 2,
     true, 0},
    {LifeTableFigure::Cx, "c(x)", "Age-specific consumption rate", "c(x)", "c(x)", "Age", false, 3, true, 0},
};

inline double expectedY(const Expected& e, int age, int column) {
  if (!e.perStage) return smallVectorValue(e.source, age);
  const double value = smallMatrixValue(e.source, age, column);
  return e.source == 4 ? value * 100 : value;
}

}  // namespace vorelan::testing
