#pragma once
// The stage means window: the mean duration of each stage and its standard
// error, one row per stage, from the Basic Run.
#include <QFrame>
#include <vector>

#include "windows/result_window.h"

class QGridLayout;

namespace vorelan {

class stagmean : public ResultWindow {
 public:
  stagmean(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer);

  QLabel* Label4;  // Table of stage means and SEs
  QLabel* Label6;  // the project line
  QLabel* Label7;  // Stage
  QLabel* Label2;  // Mean
  QLabel* Label3;  // SE
  std::vector<QLabel*> Label1;  // the stage names, one a row
  std::vector<QLabel*> Label8;  // the means
  std::vector<QLabel*> Label9;  // the standard errors
  QPushButton* Command1;  // OK
  QPushButton* Command2;  // Print this page

 private:
  void buildControls();
  QWidget* buildTable();
  void Form_Load() override;
  void clearRows();
  void Command1_Click();
  void Command2_Click();

  QGridLayout* table_;
  QFrame* closingRule_;
};

}  // namespace vorelan
