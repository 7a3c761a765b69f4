// The report box of Output files, and the stage means window, name only a
// report this run of the program wrote: never an earlier run's file of the
// name, left in place because the report could not be written.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "bootstrap_run_fixture.h"
#include "results/output_file_list.h"
#include "results/stage_means.h"
#include "runs/basic_run.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/open_data_file.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"
#include "support/test_name.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;

struct ReportFault {
  const char* name;
  std::function<void(AnalysisState&, const std::string& report)> make;
};

void PrintTo(const ReportFault& f, std::ostream* out) { *out << f.name; }

const ReportFault Faults[] = {
    {"earlier report made read-only after Open",
     [](AnalysisState&, const std::string& report) {
       fs::permissions(report, fs::perms::owner_read | fs::perms::group_read);
     }},
    {"full disk while written",
     [](AnalysisState& s, const std::string& report) {
       s.files.writeFault = [report](const std::string& target, std::uintmax_t, std::size_t& size) {
         if (target != report) return 0;
         size = 0;
         return ENOSPC;
       };
     }},
    {"full disk at its flush",
     [](AnalysisState& s, const std::string& report) {
       s.files.flushFault = [report](const std::string& target) { return target == report ? ENOSPC : 0; };
     }},
};

class UnwrittenBasicReportTest : public ::testing::TestWithParam<ReportFault> {};

TEST_P(UnwrittenBasicReportTest, IsNamedByNoWindow) {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  const std::string report = dir.write("cohort_0_Basic_Output.txt", "earlier report");
  script.inputAnswers = {"1"};
  script.chosenFiles = {dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt")))};
  ASSERT_TRUE(OpenDataFile(state, platform));
  GetParam().make(state, report);

  EXPECT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  ASSERT_EQ(testing::readFile(report), "earlier report");
  const OutputFileList list = doneformFiles(state);
  EXPECT_EQ(list.reportFileName, "");
  EXPECT_EQ(list.reportBoxText(), "No report was written by this run of the program.");
  for (const OutputFileEntry& file : list.files()) EXPECT_NE(file.fileName, report);
  EXPECT_EQ(StageMeanTable(state.basicRun, state.files).projectLine.find(report), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BasicRun, UnwrittenBasicReportTest, ::testing::ValuesIn(Faults),
                         [](const auto& info) { return testing::testNameOfText(info.param.name); });

class UnwrittenComparisonReportTest : public testing::BootstrapRunFixture {};

// The box names the bootstrap's report, the last this run of the program wrote.
TEST_F(UnwrittenComparisonReportTest, IsNotNamedInTheReportBox) {
  runSmallBootstrap();
  const std::string bootstrapReport = state.report.BaseFileName + "_0_Bootstrap_Output.txt";
  const std::string comparison = state.report.BaseFileName + "_6-Compare2Bs-output.txt";
  std::ofstream(comparison) << "earlier comparison";
  fs::permissions(comparison, fs::perms::owner_read | fs::perms::group_read);
  script.chosenFiles = {dir.write("second.txt", "Prey B,u,d\r\nn,10\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n")};

  cmdCompare2boots_Click(state, platform);
  ASSERT_EQ(testing::readFile(comparison), "earlier comparison");
  const OutputFileList list = doneformFiles(state);
  EXPECT_EQ(list.reportFileName, bootstrapReport);
  EXPECT_EQ(list.reportBoxText(), bootstrapReport);
  for (const OutputFileEntry& file : list.files()) EXPECT_NE(file.fileName, comparison);
}

}  // namespace
}  // namespace vorelan
