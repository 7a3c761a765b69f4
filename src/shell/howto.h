#pragma once
// "Note well!": help with data files and the reasons for the age-stage,
// two-sex life table.
#include "shell/shell_window.h"

class QPlainTextEdit;

namespace vorelan {

class Howto : public ShellWindow {
 public:
  explicit Howto(ShellContext& context);

  QPlainTextEdit* Text1;
  QPushButton* Command1;  // Back to the main form

 private:
  void Command1_Click();
};

}  // namespace vorelan
