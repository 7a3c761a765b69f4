#pragma once
// The large-chart window: the seven life-table figures on a larger chart,
// with its own figure buttons, print, back and quit.
#include <functional>

#include "figures/chart_control.h"
#include "figures/life_table_figure_procedures.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "ui/window_printing.h"
#include "ui/window_switching.h"

class QPushButton;

namespace vorelan {

class grafform : public SecondaryWindow, public LifeTableFigureProcedures {
 public:
  // `quit` leads from this window into the program's quit path.
  grafform(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer,
           std::function<void(QWidget&)> quit);

  ChartControl* MSChart1;
  QPushButton* Command16;  // s(i,j)
  QPushButton* Command13;  // g(i,j)
  QPushButton* Command14;  // d(i,j)
  QPushButton* Command15;  // c(i,j)
  QPushButton* Command3;   // l(x)
  QPushButton* Command7;   // l(x)c(x)
  QPushButton* Command5;   // c(x)
  QPushButton* Command1;   // Print form
  QPushButton* Command4;   // Mainform
  QPushButton* Command2;   // Quit

 private:
  void Form_Load();
  void buildControls();
  void Command1_Click();
  void Command4_Click();
  void Command2_Click();
  ChartControl& figureChart() override { return *MSChart1; }
  FigureWindowSteps stepsOf(LifeTableFigure figure) override;

  AnalysisState& state_;
  Platform& platform_;
  PrinterSource printer_;
  std::function<void(QWidget&)> quit_;
};

}  // namespace vorelan
