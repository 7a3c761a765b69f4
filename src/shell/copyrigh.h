#pragma once
// The notice window, first of the quit path: the notice lines, the request
// to cite the program and where new versions are found. "OK" leads on to the
// dedication window; its close box goes back to the main window.
#include <array>

#include "shell/shell_window.h"

class QLabel;

namespace vorelan {

class SvgPicture;

class copyrigh : public ShellWindow {
 public:
  explicit copyrigh(ShellContext& context);

  SvgPicture* Picture1;
  std::array<QLabel*, 5> NoticeLabels;  // Label1 to Label5
  QLabel* Label7;                       // the citation request
  QLabel* Label6;                       // where new versions are found
  QPushButton* Command1;                // OK

 private:
  void buildControls();
  void Form_Load();
  void Command1_Click();
};

}  // namespace vorelan
