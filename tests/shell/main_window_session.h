#pragma once
// The main window shown over a fresh state, with scripted dialogs and a
// folder of its own for the data file and everything written beside it.
#include <QTest>
#include <string>

#include "shell/main_window.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

struct MainWindowSession {
  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  Form1 form{state, platform, nullptr};

  MainWindowSession() { form.show(); }
  std::string dataFile(const std::string& content) { return dir.write("cohort.txt", content); }
  std::string fixture() { return dataFile(readFile(fixturePath("three_individuals.txt"))); }
  // Opens the data file with the time unit 1.
  void open(const std::string& path) {
    script.inputAnswers.push_back("1");
    script.chosenFiles.push_back(path);
    QTest::mouseClick(form.cmdOpenDataFile, Qt::LeftButton);
  }
};

}  // namespace vorelan::testing
