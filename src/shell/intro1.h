#pragma once
// "Introduction I": the four stages of a pest moth, how each feeds and how
// it can be controlled.
#include <array>

#include "shell/shell_window.h"

class QGroupBox;
class QLabel;

namespace vorelan {

class SvgPicture;

class Intro1 : public ShellWindow {
 public:
  explicit Intro1(ShellContext& context);

  std::array<QGroupBox*, 4> Frame1;
  std::array<SvgPicture*, 4> Picture1;
  QLabel* Label1;  // eggs
  QLabel* Label2;  // larvae
  QLabel* Label3;  // pupae
  QLabel* Label4;  // adults
  QLabel* Label5;
  QPushButton* Command1;  // Go to Mainform
  QPushButton* Command2;  // More

 private:
  void buildControls();
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
};

}  // namespace vorelan
