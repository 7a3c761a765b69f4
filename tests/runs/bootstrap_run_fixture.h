#pragma once
// The three-individual example after its Basic Run, in a folder of its own,
// ready for a bootstrap run. Lifetime consumption: 19 (the male), 25 (the
// female), 8 (the one that died as a pupa); so C0 of the whole cohort is
// 52 / 3.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/open_data_file.h"
#include "support/fixture_path.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

class BootstrapRunFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string data = dir.write("cohort.txt", readFile(fixturePath("three_individuals.txt")));
    script.inputAnswers = {"1"};
    script.chosenFiles = {data};
    ASSERT_TRUE(OpenDataFile(state, platform));
    ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
    script.boxes.clear();
    before = files();
  }

  // The files of the folder, less the leading "cohort" of their names.
  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.insert(entry.path().filename().string().substr(6));
    }
    return names;
  }
  // Those written since the Basic Run.
  std::set<std::string> newFiles() const {
    std::set<std::string> added;
    for (const std::string& name : files()) {
      if (!before.count(name)) added.insert(name);
    }
    return added;
  }
  std::string file(const std::string& suffix) const { return readFile(state.report.BaseFileName + suffix); }

  BootstrapOutcome run() { return cmdBootstrap_Click(state, platform, background, window); }
  // A finished bootstrap of new samples, B = 7 and n = 3, without density
  // curves; its boxes are forgotten.
  void runSmallBootstrap() {
    script.inputAnswers = {"2", "7", "3"};
    script.messageAnswers = {MessageAnswer::No};
    ASSERT_EQ(run(), BootstrapOutcome::Done);
    script.boxes.clear();
  }

  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  InlineBackgroundWork background;
  BootstrapRunWindow window{[] { return std::string("10/12/2026 13:00:00"); }};
  std::set<std::string> before;
};

}  // namespace vorelan::testing
