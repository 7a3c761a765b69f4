#pragma once
// The result tables window: the main results of the Basic Run as ten
// tables on ten tabs, kept from the end of the Basic Run.
#include <array>

#include "windows/grid_table.h"
#include "windows/result_window.h"

class QTabWidget;

namespace vorelan {

class ResultFm : public ResultWindow {
 public:
  ResultFm(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer);

  QTabWidget* SSTab1;
  std::array<GridTable*, 10> MSFlexGrid1;
  QLabel* Label1;  // the note below the tabs
  QPushButton* Command1;  // Back to the mainform

 private:
  void buildControls();
  void Form_Load() override;
  void widenToShowAllTabs();
  void Command1_Click();
};

}  // namespace vorelan
