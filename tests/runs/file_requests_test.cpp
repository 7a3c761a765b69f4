// Where each file dialog opens and what it offers: the dialogs for the files
// that go with a data file open in its folder, say which file they want and
// offer text files first, all files still selectable.
#include "runs/file_requests.h"

#include <gtest/gtest.h>

#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/open_data_file.h"
#include "runs/read_sasd.h"
#include "support/fixture_path.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

TEST(FileRequests, TheFolderOfAPath) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"/home/ana/mites/cohort.txt", "/home/ana/mites"},
      {"/cohort.txt", "/"},
      // A backslash is an ordinary character of a file name here.
      {"/home/ana/May\\cohort.txt", "/home/ana"},
      {"/home/ana/mites\\/cohort.txt", "/home/ana/mites\\"},
      {"cohort.txt", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(folderOf(c.path), c.folder) << c.path;
}

// A Basic Run of the three-individual example, then each dialog cancelled.
struct Session {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();

  Session() {
    script.inputAnswers = {"1"};
    script.chosenFiles = {dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt")))};
    EXPECT_TRUE(OpenDataFile(state, platform));
    BasicRun(state, platform);
    script.chosenFiles = {""};
  }
  FileRequest lastRequest() const { return script.fileRequests.back(); }
};

void expectBesideTheDataFile(const Session& s, const FileRequest& request, const std::string& wanted) {
  EXPECT_EQ(request.startFolder, s.dir.path().string());
  EXPECT_NE(request.title.find(wanted), std::string::npos) << request.title;
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0], "Text files (*.txt)");
  EXPECT_EQ(request.filters[1], "All files (*)");
}

TEST(FileRequests, ReadSasdOpensInTheDataFilesFolder) {
  Session s;
  EXPECT_FALSE(ReadDataFileForSASD2(s.state, s.platform));
  ASSERT_EQ(s.script.fileRequests.size(), 2u);
  expectBesideTheDataFile(s, s.lastRequest(), "stable age-stage distribution file");
}

TEST(FileRequests, TheSameBootstrapSamplesOpenInTheDataFilesFolder) {
  Session s;
  s.script.inputAnswers = {"1"};
  testing::InlineBackgroundWork background;
  cmdBootstrap_Click(s.state, s.platform, background);
  ASSERT_EQ(s.script.fileRequests.size(), 2u);
  expectBesideTheDataFile(s, s.lastRequest(), "bootstrap samples file");
  EXPECT_EQ(background.runs, 0);
}

TEST(FileRequests, TheSecondTreatmentOpensInTheDataFilesFolder) {
  Session s;
  EXPECT_FALSE(cmdCompare2boots_Click(s.state, s.platform));
  ASSERT_EQ(s.script.fileRequests.size(), 2u);
  expectBesideTheDataFile(s, s.lastRequest(), "second treatment");
}

// The data file itself may carry any extension: no filter, no folder given.
TEST(FileRequests, TheDataFileDialogOffersAnyFile) {
  Session s;
  EXPECT_EQ(s.script.fileRequests.front(), (FileRequest{"Open", "", {}}));
}

}  // namespace
}  // namespace vorelan
