// The list of the output files window: the report of the last run, then the
// files the finished runs wrote, only those that exist.
#include <gtest/gtest.h>

#include <filesystem>

#include "results/output_file_list.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

struct Folder {
  testing::TempDir dir;
  AnalysisState state;

  Folder() {
    state.report.BaseFileName = (dir.path() / "mites").string();
    state.report.ReportFileName = name("_0_Basic_Output.txt");
    state.run.BasicRunDone = "yes";
    state.run.ResampleMethod = "j";
  }
  std::string name(const std::string& suffix) const { return state.report.BaseFileName + suffix; }
  // A file this run of the program wrote.
  void write(const std::string& suffix) {
    dir.write("mites" + suffix, "x");
    state.files.written.push_back(name(suffix));
  }
  // A file of the same name that an earlier run of the program left.
  void leftByAnEarlierRun(const std::string& suffix) const { dir.write("mites" + suffix, "earlier"); }
  std::vector<std::string> listed() const {
    std::vector<std::string> names;
    for (const auto& file : doneformFiles(state).files()) names.push_back(file.fileName);
    return names;
  }
};

const char* const BasicRunFiles[] = {"_1_Fig_Cxj.txt", "_2_Fig_Age_lx_Kx_qx.txt",
                                     "_3_Fig_Total_age-stage consumption.txt", "_17_Cxj_For_Predation_Prog.txt",
                                     "_Age_Total_Consumption.txt"};

TEST(OutputFileList, AfterTheBasicRunTheReportAndTheFigureDataFiles) {
  Folder f;
  f.write("_0_Basic_Output.txt");
  for (const char* suffix : BasicRunFiles) f.write(suffix);
  const OutputFileList list = doneformFiles(f.state);
  EXPECT_EQ(list.reportFileName, f.name("_0_Basic_Output.txt"));
  std::vector<std::string> expected;
  for (const char* suffix : BasicRunFiles) expected.push_back(f.name(suffix));
  EXPECT_EQ(f.listed(), expected);
  for (const auto& file : list.files()) {
    EXPECT_FALSE(file.caption.empty());
    EXPECT_EQ(file.caption.back(), ':');
  }
}

// A file this run wrote and the user removed since is not listed, nor one
// that only an earlier run of the program wrote.
TEST(OutputFileList, OnlyFilesThisRunWroteThatExistAreListed) {
  Folder f;
  f.write("_1_Fig_Cxj.txt");
  f.write("_2_Fig_Age_lx_Kx_qx.txt");
  std::filesystem::remove(f.name("_2_Fig_Age_lx_Kx_qx.txt"));
  f.leftByAnEarlierRun("_17_Cxj_For_Predation_Prog.txt");
  EXPECT_EQ(f.listed(), (std::vector<std::string>{f.name("_1_Fig_Cxj.txt")}));
}

// Files of an earlier run of the program in the same folder are not listed
// before this run has written them.
TEST(OutputFileList, ResamplingFilesOnceTheirRunHasFinished) {
  Folder f;
  for (const char* suffix : {"_0_Jackknife_Output.txt", "_5_Pseudo_Consumption_Rate_For_t-test.txt",
                             "_9_Fig_Jackknife-Co frequency.txt", "_4_Bootstrap_C0_in column.txt",
                             "_9_Bootstrap-Co frequency.txt"}) {
    f.write(suffix);
  }
  EXPECT_TRUE(f.listed().empty());

  f.state.run.ResamplingDone = "yes";
  f.state.report.ReportFileName = f.name("_0_Jackknife_Output.txt");
  EXPECT_EQ(doneformFiles(f.state).reportFileName, f.name("_0_Jackknife_Output.txt"));
  EXPECT_EQ(f.listed(), (std::vector<std::string>{f.name("_5_Pseudo_Consumption_Rate_For_t-test.txt"),
                                                  f.name("_9_Fig_Jackknife-Co frequency.txt")}));

  f.state.run.ResampleMethod = "b";
  EXPECT_EQ(f.listed(), (std::vector<std::string>{f.name("_4_Bootstrap_C0_in column.txt"),
                                                  f.name("_9_Bootstrap-Co frequency.txt")}));
}

// The report box names the last run's report; the Basic Run's report, kept
// when that run ended, heads the list once a resampling run has replaced it.
TEST(OutputFileList, TheBasicReportStaysListedAfterAResamplingRun) {
  Folder f;
  f.state.basicRun.kept = true;
  f.state.basicRun.ReportFileName = f.name("_0_Basic_Output.txt");
  for (const char* suffix : {"_0_Basic_Output.txt", "_0_Bootstrap_Output.txt", "_9_Bootstrap-Co frequency.txt",
                             "_22_Bootstrap-C0-Normal density.txt", "_0_Bootstrap_samples.txt"}) {
    f.write(suffix);
  }
  EXPECT_TRUE(f.listed().empty());  // the Basic Run's report is in the report box

  f.state.run.ResamplingDone = "yes";
  f.state.run.ResampleMethod = "b";
  f.state.report.ReportFileName = f.name("_0_Bootstrap_Output.txt");
  const OutputFileList list = doneformFiles(f.state);
  EXPECT_EQ(list.reportFileName, f.name("_0_Bootstrap_Output.txt"));
  EXPECT_EQ(f.listed(), (std::vector<std::string>{f.name("_0_Basic_Output.txt"), f.name("_9_Bootstrap-Co frequency.txt"),
                                                  f.name("_22_Bootstrap-C0-Normal density.txt")}));
  ASSERT_EQ(list.groups.size(), 2u);
  EXPECT_EQ(list.groups[0].heading, "The report of the Basic Run is:");
  EXPECT_EQ(list.groups[1].heading, "The bootstrap result files are:");
}

// Each group stands under a heading that says what it holds; a group with
// no file written is left out.
TEST(OutputFileList, EachGroupHasItsHeading) {
  Folder f;
  for (const char* suffix : BasicRunFiles) f.write(suffix);
  for (const char* suffix : {"_0_Output_Finite_Predation_Rate_omega.txt", "_5_Pseudo_Consumption_Rate_For_t-test.txt"}) {
    f.write(suffix);
  }
  f.state.run.SASDRead = "Yes";
  f.state.run.ResamplingDone = "yes";
  const OutputFileList list = doneformFiles(f.state);
  std::vector<std::string> headings;
  for (const OutputFileGroup& group : list.groups) headings.push_back(group.heading);
  EXPECT_EQ(headings, (std::vector<std::string>{"The graphic data files are:", "The predation rate file is:",
                                                "The jackknife result files are:"}));
  EXPECT_EQ(list.groups[0].files.size(), 5u);
  EXPECT_EQ(list.groups[2].files.front().fileName, f.name("_5_Pseudo_Consumption_Rate_For_t-test.txt"));

  f.state.run.SASDRead.clear();
  std::filesystem::remove(f.name("_1_Fig_Cxj.txt"));
  EXPECT_EQ(doneformFiles(f.state).groups.size(), 2u);
  for (const char* suffix : BasicRunFiles) std::filesystem::remove(f.name(suffix));
  EXPECT_EQ(doneformFiles(f.state).groups.front().heading, "The jackknife result files are:");
}

// A report of the name that an earlier run of the program left, kept because
// this run's could not be written, is not named: the box says so instead.
TEST(OutputFileList, TheReportBoxNamesOnlyAReportThisRunWrote) {
  Folder f;
  f.leftByAnEarlierRun("_0_Basic_Output.txt");
  OutputFileList list = doneformFiles(f.state);
  EXPECT_EQ(list.reportFileName, "");
  EXPECT_EQ(list.reportBoxText(), "No report was written by this run of the program.");

  f.write("_0_Basic_Output.txt");
  list = doneformFiles(f.state);
  EXPECT_EQ(list.reportFileName, f.name("_0_Basic_Output.txt"));
  EXPECT_EQ(list.reportBoxText(), f.name("_0_Basic_Output.txt"));
}

TEST(OutputFileList, BeforeAnyRunNothingIsListed) {
  Folder f;
  f.state.run.BasicRunDone.clear();
  for (const char* suffix : BasicRunFiles) f.write(suffix);
  EXPECT_TRUE(f.listed().empty());
}

}  // namespace
}  // namespace vorelan
