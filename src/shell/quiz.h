#pragma once
// "Quiz": one picture with a question.
#include "shell/shell_window.h"

namespace vorelan {

class SvgPicture;

class Quiz : public ShellWindow {
 public:
  explicit Quiz(ShellContext& context);

  SvgPicture* Image1;
  QPushButton* Command1;  // Back to the mainform

 private:
  void Command1_Click();
};

}  // namespace vorelan
