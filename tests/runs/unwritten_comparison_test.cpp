// C2B after a finished bootstrap, when the comparison's file cannot be
// written: the comparison counts as not made, so that it can be made once
// the disk is mended, and then gives the file a first comparison gives.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "bootstrap_run_fixture.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/main_window_controls.h"
#include "support/test_name.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;

constexpr const char* SecondTreatment = "Prey B,u,d\r\nn,10\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n";
constexpr const char* CompareSuffix = "_6-Compare2Bs-output.txt";

struct DiskFault {
  const char* name;
  std::function<void(AnalysisState&, const std::string& path)> make;
  std::function<void(AnalysisState&, const std::string& path)> mend;
};

void PrintTo(const DiskFault& f, std::ostream* out) { *out << f.name; }

void fullDiskWhileWritten(AnalysisState& s, const std::string& path) {
  s.files.writeFault = [path](const std::string& target, std::uintmax_t, std::size_t& size) {
    if (target != path) return 0;
    size = 0;
    return ENOSPC;
  };
}

void fullDiskAtItsFlush(AnalysisState& s, const std::string& path) {
  s.files.flushFault = [path](const std::string& target) { return target == path ? ENOSPC : 0; };
}

void earlierFileMadeReadOnly(AnalysisState&, const std::string& path) {
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
}

const DiskFault Faults[] = {
    {"full disk while written", fullDiskWhileWritten, [](AnalysisState& s, const std::string&) { s.files.writeFault = {}; }},
    {"full disk at its flush", fullDiskAtItsFlush, [](AnalysisState& s, const std::string&) { s.files.flushFault = {}; }},
    {"earlier file read-only", earlierFileMadeReadOnly,
     [](AnalysisState&, const std::string& path) {
       fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
     }},
};

class UnwrittenComparisonTest : public testing::BootstrapRunFixture,
                                public ::testing::WithParamInterface<DiskFault> {
 protected:
  void SetUp() override {
    BootstrapRunFixture::SetUp();
    runSmallBootstrap();
  }

  bool compare() {
    script.chosenFiles = {dir.write("second.txt", SecondTreatment)};
    return cmdCompare2boots_Click(state, platform);
  }

  // The file a first comparison of this very bootstrap writes.
  std::string firstTimeComparison() const {
    testing::TempDir elsewhere;
    AnalysisState fresh;
    static_cast<AnalysisData&>(fresh) = state;
    fresh.report.BaseFileName = (elsewhere.path() / "cohort").string();
    testing::ScriptedPlatform freshScript;
    Platform freshPlatform = freshScript.platform();
    freshScript.chosenFiles = {elsewhere.write("second.txt", SecondTreatment)};
    EXPECT_TRUE(cmdCompare2boots_Click(fresh, freshPlatform));
    return testing::readFile(fresh.report.BaseFileName + CompareSuffix);
  }
};

TEST_P(UnwrittenComparisonTest, CountsAsNotMadeAndCanBeMadeAgain) {
  const std::string output = state.report.BaseFileName + CompareSuffix;
  std::ofstream(output) << "earlier comparison";
  GetParam().make(state, output);
  const ComparisonState comparisonBefore = state.comparison;
  const ReportState reportBefore = state.report;
  const MainWindowControls controlsBefore = mainWindowControls(state);
  ASSERT_TRUE(controlsBefore.cmdCompare2boots);

  EXPECT_FALSE(compare());
  const auto boxes = script.messages();
  ASSERT_EQ(boxes.size(), 1u);  // no t-value of a comparison that was not kept
  EXPECT_EQ(boxes[0].title, "Error in output file");
  EXPECT_NE(boxes[0].text.find("The comparison was not kept"), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("cohort_6-Compare2Bs-output.txt"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(testing::readFile(output), "earlier comparison");
  EXPECT_EQ(state.comparison, comparisonBefore);
  EXPECT_EQ(state.report.ReportFileName, reportBefore.ReportFileName);
  EXPECT_EQ(state.report.PageNo, reportBefore.PageNo);
  EXPECT_EQ(state.report.TableNo, reportBefore.TableNo);
  EXPECT_EQ(mainWindowControls(state), controlsBefore);
  EXPECT_TRUE(state.files.unwritten.empty());

  // Once the disk is mended, the comparison is made as a first one would be.
  GetParam().mend(state, output);
  script.boxes.clear();
  EXPECT_TRUE(compare());
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "t-test");
  EXPECT_EQ(testing::readFile(output), firstTimeComparison());
  EXPECT_TRUE(state.comparison.ComparisonDone);
  EXPECT_FALSE(mainWindowControls(state).cmdCompare2boots);
}

INSTANTIATE_TEST_SUITE_P(C2B, UnwrittenComparisonTest, ::testing::ValuesIn(Faults),
                         [](const auto& info) { return testing::testNameOfText(info.param.name); });

}  // namespace
}  // namespace vorelan
