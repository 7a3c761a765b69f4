// C2B after a finished bootstrap, given a second-treatment file that opens
// but cannot be read: it is refused in the t-test box like any other, and
// the program goes on as before.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "bootstrap_run_fixture.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/main_window_controls.h"

namespace vorelan {
namespace {

class CompareUnreadableFileTest : public testing::BootstrapRunFixture {
 protected:
  void SetUp() override {
    BootstrapRunFixture::SetUp();
    runSmallBootstrap();
  }

  // Every file of the folder with its bytes.
  std::map<std::string, std::string> folderContent() const {
    std::map<std::string, std::string> content;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      content[entry.path().filename().string()] =
          entry.is_directory() ? "(a folder)" : testing::readFile(entry.path().string());
    }
    return content;
  }
};

TEST_F(CompareUnreadableFileTest, IsRefusedAndChangesNothing) {
  const std::string folder = (dir.path() / "second.txt").string();
  std::filesystem::create_directory(folder);
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {folder, "The file " + folder + " cannot be compared: it is a folder, not a file."},
      // Opens, but reading from its start, an address no process maps, fails
      // with the input/output error of a failing disk.
      {"/proc/self/mem",
       "The file /proc/self/mem cannot be compared: "
       "it cannot be read: the disk or network folder it is on failed."},
  };
  const auto filesBefore = folderContent();
  const MainWindowControls controlsBefore = mainWindowControls(state);
  for (const auto& c : cases) {
    script.boxes.clear();
    script.chosenFiles = {c.path};
    EXPECT_FALSE(cmdCompare2boots_Click(state, platform)) << c.path;
    ASSERT_EQ(script.messages().size(), 1u) << c.path;
    EXPECT_EQ(script.messages()[0].title, "t-test");
    EXPECT_EQ(script.messages()[0].text, c.message);
    EXPECT_EQ(folderContent(), filesBefore) << c.path;
    EXPECT_FALSE(state.comparison.ComparisonDone);
    EXPECT_EQ(state.comparison.CompareFileName, "");
    EXPECT_TRUE(state.comparison.CompareValue.empty());
    EXPECT_TRUE(state.files.unwritten.empty());
    EXPECT_EQ(mainWindowControls(state), controlsBefore) << c.path;
  }

  // The comparison is still there to be made.
  script.chosenFiles = {dir.write("good.txt", "Prey B,u,d\r\nn,10\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n")};
  EXPECT_TRUE(cmdCompare2boots_Click(state, platform));
  EXPECT_TRUE(state.comparison.ComparisonDone);
  EXPECT_TRUE(std::filesystem::exists(state.report.BaseFileName + "_6-Compare2Bs-output.txt"));
}

}  // namespace
}  // namespace vorelan
