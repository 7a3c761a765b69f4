#pragma once
// A Basic Run of the three-individual example (a male, a female and an
// unsexed individual that dies as a pupa; stages Egg, Larva, Pupa, adult)
// in a folder of its own, with a main window for the result windows to
// return to.
#include <QWidget>
#include <string>

#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"
#include "ui/window_switching.h"

namespace vorelan::testing {

struct BasicRunSession {
  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  QWidget mainWindow;
  WindowSwitcher switcher{mainWindow};

  BasicRunSession() {
    script.inputAnswers = {"1"};
    script.chosenFiles = {dir.write("cohort.txt", readFile(fixturePath("three_individuals.txt")))};
    OpenDataFile(state, platform);
    BasicRun(state, platform);
    mainWindow.show();
  }
  std::string base() const { return state.report.BaseFileName; }
  // Shows a window as the main window's buttons do.
  void open(QWidget& window) { switcher.open(mainWindow, window, SwitchOrder::HideThenShow); }
};

}  // namespace vorelan::testing
