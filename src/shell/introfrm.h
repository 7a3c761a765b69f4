#pragma once
// "Introduction": why the age-stage, two-sex life table is needed.
#include "shell/shell_window.h"

class QPlainTextEdit;

namespace vorelan {

class Introfrm : public ShellWindow {
 public:
  explicit Introfrm(ShellContext& context);

  QPlainTextEdit* Text1;
  QPushButton* Command1;  // OK

 private:
  void Command1_Click();
};

}  // namespace vorelan
