// A Basic Run in a shared folder where another user turned a folder on the
// way of the user's own link into a link of theirs: the file it would reach
// is kept, and the message names the result and why. A link to no file,
// planted at a result's name while the run writes, is refused likewise.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "model/as_colleague.h"
#include "runs/program_in_folder.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::Folder;
using testing::Program;
using testing::readFile;
using testing::Stranger;

TEST(LinkOnTheWayOfAResult, ThatAnotherUserMadeIsNotFollowedByTheBasicRun) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "needs root to plant a link of another user";
  const Folder folder;
  const testing::TempDir thirds;
  const std::string notes = thirds.write("cohort_1_Fig_Cxj.txt", "the third user's notes");
  ASSERT_EQ(::chmod(folder.dir.path().c_str(), 02777), 0);
  fs::create_symlink("d/cohort_1_Fig_Cxj.txt", folder.dir.path() / "cohort_1_Fig_Cxj.txt");
  const fs::path planted = folder.dir.path() / "d";
  fs::create_symlink(thirds.path(), planted);
  ASSERT_EQ(::lchown(planted.c_str(), Stranger, Stranger), 0);

  Program program;
  program.openAndRun(folder.data);

  EXPECT_EQ(readFile(notes), "the third user's notes");
  EXPECT_TRUE(fs::is_symlink(planted));
  const auto boxes = program.script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  testing::expectUnwrittenBoxNaming(
      boxes[0], "cohort_1_Fig_Cxj.txt",
      "(its name leads through a folder link made by another user, which is not followed)");
  EXPECT_FALSE(program.state.files.wasWritten((folder.dir.path() / "cohort_1_Fig_Cxj.txt").string()));
  EXPECT_TRUE(program.state.files.wasWritten(program.state.report.ReportFileName));
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

// The user's own link, but to nothing: no file is made where it points,
// and the result is not listed as written.
TEST(LinkOnTheWayOfAResult, ToNoFilePlantedWhileTheBasicRunWritesIsNotFollowed) {
  const Folder folder;
  const fs::path result = folder.dir.path() / "cohort_1_Fig_Cxj.txt";
  const fs::path nowhere = folder.dir.path() / "nowhere.txt";
  Program program;
  ASSERT_TRUE(program.open(folder.data));
  program.state.files.writeFault = [result](const std::string& target, std::uintmax_t, std::size_t&) {
    if (target == result.string() && !fs::is_symlink(result)) fs::create_symlink("nowhere.txt", result);
    return 0;
  };
  ASSERT_EQ(BasicRun(program.state, program.platform), BasicRunOutcome::Computed);

  EXPECT_FALSE(fs::exists(nowhere));
  EXPECT_TRUE(fs::is_symlink(result));
  const auto boxes = program.script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  testing::expectUnwrittenBoxNaming(boxes[0], "cohort_1_Fig_Cxj.txt", "(its name is a link that leads to no file)");
  EXPECT_FALSE(program.state.files.wasWritten(result.string()));
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

}  // namespace
}  // namespace vorelan
