#pragma once
// "Dataform": an example raw data file, explained line by line.
#include <array>

#include "shell/shell_window.h"

class QLabel;
class QPlainTextEdit;

namespace vorelan {

class dataform : public ShellWindow {
 public:
  explicit dataform(ShellContext& context);

  QLabel* Label4;                  // the heading
  std::array<QLabel*, 15> Label1;  // the example file, one line each
  QPlainTextEdit* Text1;           // beside the descriptive part
  QPlainTextEdit* Text2;           // beside the raw data
  QPushButton* Command3;           // Print this page
  QPushButton* Command1;           // Back to Main form

 private:
  void buildControls();
  QWidget* buildExample();
  void Form_Load();
  void Command3_Click();
  void Command1_Click();
};

}  // namespace vorelan
