#pragma once
// The resampling result window: the mean and the standard error of the net
// consumption rate C0 from the jackknife or the bootstrap, with the project,
// the date and the time. After a resampling run, leaving it closes the
// analysis of this run of the program.
#include <QFrame>
#include <array>
#include <functional>

#include "windows/result_window.h"

class QGridLayout;

namespace vorelan {

class JackBootform : public ResultWindow {
 public:
  // `closeAnalysis` runs when the user leaves by the back button after a
  // resampling run has finished.
  JackBootform(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer,
               std::function<void()> closeAnalysis);

  QLabel* Label4;   // The net consumption rate
  QLabel* Label5;   // Project:
  QLabel* Label6;   // the project name
  QLabel* Label8;   // Parameter
  QLabel* Label2;   // Mean
  QLabel* Label3;   // SE
  std::array<QLabel*, 4> Label1{};  // element 3: the row label of C0
  std::array<QLabel*, 8> Label7{};  // element 3: the mean, element 7: the standard error
  QLabel* Label9;   // Date:
  QLabel* Label10;  // the date
  QLabel* Label11;  // Time:
  QLabel* Label12;  // the time
  std::array<QFrame*, 3> Line1{};  // elements 1 and 2: the rules of the table
  QPushButton* Command2;  // Print this page
  QPushButton* Command1;  // Go back to mainform

 private:
  void buildControls();
  void placeLabels(QGridLayout* table);
  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();

  std::function<void()> closeAnalysis_;
};

}  // namespace vorelan
