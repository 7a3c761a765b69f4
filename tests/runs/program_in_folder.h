#pragma once
// One run of the program on a data file in a folder of its own, and what the
// folder holds: for tests of what runs leave on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "model/replaced_file.h"
#include "report/file_failure.h"
#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/open_data_file.h"
#include "support/fixture_path.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

using Contents = std::map<std::string, std::string>;  // file name -> bytes

inline constexpr const char* DataName = "cohort.txt";

// One run of the program on the folder's data file.
struct Program {
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  InlineBackgroundWork background;

  bool open(const std::string& data) {
    script.inputAnswers = {"1"};
    script.chosenFiles = {data};
    return OpenDataFile(state, platform);
  }
  void openAndRun(const std::string& data) {
    ASSERT_TRUE(open(data));
    ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  }
  BootstrapOutcome newSamplesBootstrap() {
    script.inputAnswers = {"2", "20", "3"};
    script.messageAnswers = {MessageAnswer::No};
    return cmdBootstrap_Click(state, platform, background);
  }
};

struct Folder {
  TempDir dir;
  std::string data = dir.write(DataName, readFile(fixturePath("three_individuals.txt")));

  // Every file of the folder but the data file.
  Contents results() const {
    Contents contents;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      const std::string name = entry.path().filename().string();
      if (name != DataName) contents[name] = readFile(entry.path().string());
    }
    return contents;
  }
  // Makes every result file hold a text of its own, so that any change is seen.
  Contents markEarlierResults() const {
    for (const auto& [name, bytes] : results()) dir.write(name, "earlier " + name);
    return results();
  }
  bool holdsTemporaryFiles() const {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      if (isTemporaryFileName(entry.path().filename().string())) return true;
    }
    return false;
  }
};

// A box of the unwritten-file kind that names the file `name` for `reason`
// (as the box words it, in brackets).
inline void expectUnwrittenBoxNaming(const ShownBox& box, const std::string& name, const std::string& reason) {
  EXPECT_EQ(box.title, OutputFileErrorTitle);
  EXPECT_NE(box.text.find(reason), std::string::npos) << box.text;
  EXPECT_NE(box.text.find("\n" + name + "\n"), std::string::npos) << box.text;
}

}  // namespace vorelan::testing
