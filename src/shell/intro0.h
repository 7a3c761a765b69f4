#pragma once
// "Introduction": a diagram of the raw life-history records of twenty
// individuals and its explanation.
#include "shell/shell_window.h"

class QPlainTextEdit;

namespace vorelan {

class IntroDiagramView;

class Intro0 : public ShellWindow {
 public:
  explicit Intro0(ShellContext& context);

  IntroDiagramView* Diagram;
  QPlainTextEdit* Text2;  // the explanation
  QPushButton* Command1;  // Go to mainform
  QPushButton* Command2;  // More introduction

 private:
  void buildControls();
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
};

}  // namespace vorelan
