#pragma once
// The running program: the one analysis state, the Qt user interface and the
// main window.
#include <memory>

#include "model/analysis_state.h"
#include "shell/main_window.h"
#include "ui/qt_platform.h"

namespace vorelan {

class Program {
 public:
  Program();
  ~Program();
  // Shows the backdrop and the title window; the event loop runs the rest.
  void start();
  Form1& mainWindow() { return *mainWindow_; }

 private:
  AnalysisState state_;
  QtPlatform ui_;
  Platform platform_;
  std::unique_ptr<Form1> mainWindow_;
};

}  // namespace vorelan
