// An Open whose report cannot be begun is refused and leaves the program as
// it found it: no data file counts as opened, so "Step 1." and the controls
// behave as before the Open, and a later Open of the same file works.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "datafile/data_file_checks.h"
#include "runs/handler_boundary.h"
#include "runs/main_window_controls.h"
#include "runs/open_data_file.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"
#include "support/test_name.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;

struct Obstacle {
  const char* name;
  // Puts something that cannot be replaced at the report's name.
  std::function<void(const fs::path& report)> place;
  // Takes it away again, so that the report can be begun.
  std::function<void(const fs::path& report)> remove;
};

void PrintTo(const Obstacle& o, std::ostream* out) { *out << o.name; }

const Obstacle Obstacles[] = {
    {"a folder", [](const fs::path& r) { fs::create_directory(r); },
     [](const fs::path& r) { fs::remove(r); }},
    {"a link to nothing",
     [](const fs::path& r) { fs::create_symlink(r.parent_path() / "nowhere.txt", r); },
     [](const fs::path& r) { fs::remove(r); }},
    {"a read-only earlier report",
     [](const fs::path& r) {
       std::ofstream(r) << "earlier report";
       fs::permissions(r, fs::perms::owner_read | fs::perms::group_read);
     },
     [](const fs::path& r) { fs::permissions(r, fs::perms::owner_read | fs::perms::owner_write); }},
};

class RefusedOpenTest : public ::testing::TestWithParam<Obstacle> {
 protected:
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  std::string data = writeData(testing::readFile(testing::fixturePath("three_individuals.txt")));
  fs::path report = fs::path(baseFileNameOf(data) + BasicReportSuffix);

  std::string writeData(const std::string& content) const { return dir.write("cohort.txt", content); }

  bool open() {
    script.inputAnswers = {"1"};
    script.chosenFiles = {data};
    return OpenDataFile(state, platform);
  }
  // The "Step 1." label, inside the handler boundary as the main window runs it.
  std::vector<testing::ShownBox> step1() {
    script.boxes.clear();
    EXPECT_TRUE(runHandler(state, platform, [&] { CheckDatafile(state, platform); }));
    return script.messages();
  }
};

TEST_P(RefusedOpenTest, LeavesNoDataFileOpened) {
  GetParam().place(report);
  const ReportState namesBefore = state.report;
  const MainWindowControls controlsBefore = mainWindowControls(state);

  EXPECT_FALSE(open());
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Error in output file");
  EXPECT_EQ(state.report.DataFileName, namesBefore.DataFileName);
  EXPECT_EQ(state.report.BaseFileName, namesBefore.BaseFileName);
  EXPECT_EQ(state.report.ReportFileName, namesBefore.ReportFileName);
  EXPECT_TRUE(state.files.checkedDataFile.records == nullptr);
  EXPECT_TRUE(state.files.checkedDataFile.bytes == nullptr);
  EXPECT_EQ(mainWindowControls(state), controlsBefore);
  EXPECT_FALSE(mainWindowControls(state).cmdBasicRun);
  EXPECT_TRUE(mainWindowControls(state).cmdOpenDataFile);

  // "Step 1." knows of no data file, even once the one refused is damaged.
  for (const char* content : {"", "damaged"}) {
    if (*content) writeData(content);
    const auto boxes = step1();
    ASSERT_EQ(boxes.size(), 1u) << content;
    EXPECT_EQ(boxes[0].text, "Open a data file first.");
    EXPECT_EQ(boxes[0].title, "Check data file");
    EXPECT_EQ(script.endProgramCalls, 0);
  }

  // With the way cleared, the file opens as if the refused Open had not been.
  writeData(testing::readFile(testing::fixturePath("three_individuals.txt")));
  GetParam().remove(report);
  script.boxes.clear();
  EXPECT_TRUE(open());
  EXPECT_EQ(script.messages().size(), 0u);
  EXPECT_EQ(state.report.ReportFileName, report.string());
  EXPECT_EQ(mainWindowPhase(state), MainWindowPhase::FileOpened);
  EXPECT_EQ(step1().at(0).text, "It looks OK.");
}

INSTANTIATE_TEST_SUITE_P(AtTheReportsName, RefusedOpenTest, ::testing::ValuesIn(Obstacles),
                         [](const auto& info) { return testing::testNameOfText(info.param.name); });

}  // namespace
}  // namespace vorelan
