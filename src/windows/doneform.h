#pragma once
// The output files window: the report of the last run, then the files the
// program wrote, each in a text box the user can select and copy from,
// beside a caption that says what it holds.
#include <QLineEdit>
#include <functional>
#include <vector>

#include "windows/result_window.h"

class QGridLayout;
class QScrollArea;

namespace vorelan {

class doneform : public ResultWindow {
 public:
  // `openPrintingHelp` leads from this window to the printing-help window;
  // without it the button that does so is not shown.
  doneform(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer,
           std::function<void(QWidget&)> openPrintingHelp);

  QLabel* Label3;     // Well done!
  QLabel* Label2;     // The output file is:
  std::vector<QLabel*> Label1;      // element 0 unused, then the captions of the listed files
  std::vector<QLabel*> Headings;    // the heading of each group of the list
  std::vector<QLineEdit*> Text1;    // element 0: the report, then the listed files
  QPushButton* Command3;  // What you should know about these files
  QPushButton* Command2;  // Print page
  QPushButton* Command1;  // OK

 private:
  void buildControls();
  void Form_Load() override;
  void clearList();
  void growToShowNames();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  QGridLayout* list_;
  QScrollArea* scroll_;
  std::function<void(QWidget&)> openPrintingHelp_;
};

}  // namespace vorelan
