#pragma once
// Draws one life-table figure on the main window or the large-chart window.
#include "windows/grafform.h"
#include "charts/life_table_figures.h"
#include "shell/main_window.h"

namespace vorelan::testing {

inline void showOnMain(Form1& w, LifeTableFigure figure) {
  switch (figure) {
    case LifeTableFigure::Sxj: return w.ShowSxj();
    case LifeTableFigure::Gij: return w.ShowGij();
    case LifeTableFigure::Dij: return w.ShowDij();
    case LifeTableFigure::Cij: return w.ShowCij();
    case LifeTableFigure::Lx: return w.ShowLx();
    case LifeTableFigure::LxCx: return w.ShowLxCx();
    case LifeTableFigure::Cx: return w.ShowCx();
  }
}

inline void showOnLarge(grafform& w, LifeTableFigure figure) {
  switch (figure) {
    case LifeTableFigure::Sxj: return w.ShowSxj();
    case LifeTableFigure::Gij: return w.ShowGij();
    case LifeTableFigure::Dij: return w.ShowDij();
    case LifeTableFigure::Cij: return w.ShowCij();
    case LifeTableFigure::Lx: return w.ShowLx();
    case LifeTableFigure::LxCx: return w.ShowLxCx();
    case LifeTableFigure::Cx: return w.ShowCx();
  }
}

}  // namespace vorelan::testing
