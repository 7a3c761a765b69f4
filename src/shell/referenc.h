#pragma once
// "References": the literature of the method.
#include <vector>

#include "shell/shell_window.h"

class QLabel;

namespace vorelan {

class Referenc : public ShellWindow {
 public:
  explicit Referenc(ShellContext& context);

  QLabel* Heading;                 // "References"
  std::vector<QLabel*> Citations;  // one label a reference
  QPushButton* Command1;           // Back to main form
  QPushButton* Command2;           // Quit

 private:
  void Command1_Click();
  void Command2_Click();
};

}  // namespace vorelan
