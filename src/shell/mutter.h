#pragma once
// "Dedication", the last window of the quit path: its button ends the
// program, and so does its close box.
#include "shell/shell_window.h"

class QGroupBox;

namespace vorelan {

class SvgPicture;

class Mutter : public ShellWindow {
 public:
  explicit Mutter(ShellContext& context);

  QGroupBox* Frame1;
  SvgPicture* Picture1;
  QPushButton* Command1;  // God rest his soul

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Command1_Click();
  void EndProgram();
};

}  // namespace vorelan
