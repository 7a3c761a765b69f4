#pragma once
// "How to print": how to print the report file and what the graphic data
// files are for. Opened from the output files window.
#include "shell/shell_window.h"

class QPlainTextEdit;

namespace vorelan {

class Druckaus : public ShellWindow {
 public:
  explicit Druckaus(ShellContext& context);

  QPlainTextEdit* Text1;
  QPushButton* Command2;  // Print this page
  QPushButton* Command1;  // Go Back

 private:
  void Command2_Click();
  void Command1_Click();
};

}  // namespace vorelan
