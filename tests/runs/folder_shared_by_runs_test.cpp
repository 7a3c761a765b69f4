// One folder, several runs: a second copy of the program working beside the
// first, a run whose report fails only at its flush to the disk, and an
// earlier run of the program whose files are still there.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "report/file_failure.h"
#include "results/output_file_list.h"
#include "runs/jackknife_run.h"
#include "runs/main_window_controls.h"
#include "runs/program_in_folder.h"
#include "runs/three_samples_file.h"

namespace vorelan {
namespace {

using testing::Contents;
using testing::Folder;
using testing::Program;
using testing::readFile;

// Background work that lets something else happen as the work begins.
class WorkWithSomethingMeanwhile : public BackgroundWork {
 public:
  explicit WorkWithSomethingMeanwhile(std::function<void()> meanwhile) : meanwhile_(std::move(meanwhile)) {}
  WorkOutcome run(const std::function<void(WorkProgress&)>& work) override {
    meanwhile_();
    return inPlace_.run(work);
  }

 private:
  std::function<void()> meanwhile_;
  testing::InlineBackgroundWork inPlace_;
};

std::vector<std::string> listedNames(const AnalysisState& state) {
  std::vector<std::string> names;
  for (const OutputFileEntry& entry : doneformFiles(state).files()) names.push_back(entry.fileName);
  return names;
}

// ---- Two copies of the program in one folder ------------------------------------

// The second copy's Open removes only what a killed run left: the first
// copy's report begun at its Open, and the files of its bootstrap, are
// written whole.
TEST(TwoCopiesInOneFolder, OneCopysOpenLeavesTheOthersFilesInProgress) {
  const Folder folder;
  const std::string otherData = folder.dir.write("treatment_b.txt", readFile(testing::fixturePath("three_individuals.txt")));
  Program a;
  Program b;
  ASSERT_TRUE(a.open(folder.data));
  ASSERT_TRUE(b.open(otherData));
  ASSERT_EQ(BasicRun(a.state, a.platform), BasicRunOutcome::Computed);
  EXPECT_TRUE(a.script.messages().empty());
  EXPECT_TRUE(a.state.files.wasWritten(a.state.report.ReportFileName));

  Program c;
  WorkWithSomethingMeanwhile replicates([&] { ASSERT_TRUE(c.open(otherData)); });
  a.script.inputAnswers = {"2", "20", "3"};
  a.script.messageAnswers = {MessageAnswer::No};
  EXPECT_EQ(cmdBootstrap_Click(a.state, a.platform, replicates), BootstrapOutcome::Done);
  for (const auto& box : a.script.messages()) EXPECT_NE(box.title, OutputFileErrorTitle) << box.text;
  EXPECT_FALSE(readFile(a.state.report.ReportFileName).empty());
  EXPECT_TRUE(a.state.files.wasWritten(a.state.report.BaseFileName + "_0_Bootstrap_samples.txt"));
}

// ---- A report that fails at its flush -------------------------------------------

struct ResamplingRun {
  const char* name;
  const char* reportSuffix;
  bool (*run)(Program&, BackgroundWork&);  // true when it finished
};

void PrintTo(const ResamplingRun& c, std::ostream* out) { *out << c.name; }

const ResamplingRun ResamplingRuns[] = {
    {"Jackknife", "_0_Jackknife_Output.txt",
     [](Program& p, BackgroundWork& work) { return cmdJackknife_Click(p.state, p.platform, work); }},
    {"Bootstrap", "_0_Bootstrap_Output.txt",
     [](Program& p, BackgroundWork& work) {
       p.script.inputAnswers = {"2", "20", "3"};
       p.script.messageAnswers = {MessageAnswer::No};
       return cmdBootstrap_Click(p.state, p.platform, work) == BootstrapOutcome::Done;
     }},
};

// A folder holding the files of an earlier run of `kind`, each marked, and
// a second copy of the program there after its Basic Run, about to make the
// run again.
struct RunMadeAgain {
  Folder folder;
  Program second;
  Contents earlier;
  std::string report;

  explicit RunMadeAgain(const ResamplingRun& kind) {
    Program first;
    first.openAndRun(folder.data);
    EXPECT_TRUE(kind.run(first, first.background));
    second.openAndRun(folder.data);
    earlier = folder.markEarlierResults();
    report = second.state.report.BaseFileName + kind.reportSuffix;
    second.script.boxes.clear();
  }
};

// Output files lists nothing of the resampling run, and the main window is
// as the Basic Run left it.
void expectNothingOfTheRunKept(const AnalysisState& state) {
  for (const std::string& name : listedNames(state)) {
    EXPECT_EQ(name.find("ootstrap"), std::string::npos) << name;
    EXPECT_EQ(name.find("ackknife"), std::string::npos) << name;
    EXPECT_EQ(name.find("_5_"), std::string::npos) << name;
  }
  EXPECT_EQ(mainWindowPhase(state), MainWindowPhase::BasicRunDone);
}

class ReportFailingAtItsFlush : public ::testing::TestWithParam<ResamplingRun> {};

// The disk took every write and fails as the report is flushed: no file of
// the run takes its place, one message says so and names them all, report
// first, and Output files lists none of them.
TEST_P(ReportFailingAtItsFlush, PutsNoFileOfTheRunInPlaceAndNamesThemAll) {
  const ResamplingRun& kind = GetParam();
  RunMadeAgain again(kind);
  const Folder& folder = again.folder;
  Program& second = again.second;
  const std::string& report = again.report;
  second.state.files.flushFault = [report](const std::string& target) { return target == report ? EIO : 0; };
  EXPECT_FALSE(kind.run(second, second.background));

  EXPECT_EQ(folder.results(), again.earlier);
  EXPECT_FALSE(folder.holdsTemporaryFiles());
  const auto boxes = second.script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  const std::string& text = boxes[0].text;
  const std::string lead = std::string("The results of the ") + kind.name + " were not written";
  EXPECT_EQ(text.rfind(lead, 0), 0u) << text;
  EXPECT_NE(text.find(":\ncohort" + std::string(kind.reportSuffix) + "\n"), std::string::npos) << text;
  EXPECT_NE(text.find("(held back with the rest of the run)"), std::string::npos) << text;
  expectNothingOfTheRunKept(second.state);
}

INSTANTIATE_TEST_SUITE_P(Runs, ReportFailingAtItsFlush, ::testing::ValuesIn(ResamplingRuns),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- A report refused at the last moment ---------------------------------------

struct LastMomentRefusal {
  const char* name;
  const char* reason;
  const char* othersReason;  // of the files begun after the refusal
  void (*refuse)(const std::string& report, const std::filesystem::path& folder);
  void (*mend)(const std::filesystem::path& folder);
};

const LastMomentRefusal LastMomentRefusals[] = {
    {"ReportMadeReadOnly", "there is no permission to write there", "held back with the rest of the run",
     [](const std::string& report, const std::filesystem::path&) {
       std::filesystem::permissions(report, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                                std::filesystem::perms::others_read);
     },
     [](const std::filesystem::path&) {}},
    {"FolderMoved", "the folder was moved or removed while the file was written", "the folder does not exist",
     [](const std::string&, const std::filesystem::path& folder) {
       std::filesystem::rename(folder, folder.string() + "-moved");
     },
     [](const std::filesystem::path& folder) { std::filesystem::rename(folder.string() + "-moved", folder); }},
};

struct RunRefusedAtTheEnd {
  ResamplingRun run;
  LastMomentRefusal refusal;
};

void PrintTo(const RunRefusedAtTheEnd& c, std::ostream* out) { *out << c.run.name << c.refusal.name; }

class ReportRefusedAtItsRename : public ::testing::TestWithParam<RunRefusedAtTheEnd> {};

// While the replicates or passes run, the earlier report is made read-only
// or the folder is moved: the report cannot take its place at the end, so
// no other file of the run does either, the message says so, and Output
// files lists none of them.
TEST_P(ReportRefusedAtItsRename, PutsNoOtherFileOfTheRunInPlace) {
  const auto& [kind, refusal] = GetParam();
  RunMadeAgain again(kind);
  const Folder& folder = again.folder;
  Program& second = again.second;
  const std::string& report = again.report;
  WorkWithSomethingMeanwhile replicates([&] { refusal.refuse(report, folder.dir.path()); });
  const bool finished = kind.run(second, replicates);
  refusal.mend(folder.dir.path());
  EXPECT_FALSE(finished);

  EXPECT_EQ(folder.results(), again.earlier);
  EXPECT_FALSE(folder.holdsTemporaryFiles());
  const auto boxes = second.script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  const std::string& text = boxes[0].text;
  EXPECT_EQ(text.rfind(std::string("The results of the ") + kind.name + " were not written", 0), 0u) << text;
  EXPECT_NE(text.find(std::string("(") + refusal.reason + "):\ncohort" + kind.reportSuffix + "\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(std::string("(") + refusal.othersReason + ")"), std::string::npos) << text;
  expectNothingOfTheRunKept(second.state);
}

std::vector<RunRefusedAtTheEnd> runsRefusedAtTheEnd() {
  std::vector<RunRefusedAtTheEnd> cases;
  for (const ResamplingRun& run : ResamplingRuns) {
    for (const LastMomentRefusal& refusal : LastMomentRefusals) cases.push_back({run, refusal});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Runs, ReportRefusedAtItsRename, ::testing::ValuesIn(runsRefusedAtTheEnd()),
                         [](const auto& info) { return std::string(info.param.run.name) + info.param.refusal.name; });

// ---- Output files lists what this run of the program wrote ----------------------

using testing::SamplesFile;

// A same-samples run with density curves, the program ended; then a
// new-samples run without curves: the earlier run's curves and its files of
// Psi, Omega and Qp, which a new-samples run never forms, are not listed.
TEST(OutputFilesOfThisRun, FilesAnEarlierRunOfTheProgramLeftAreNotListed) {
  const Folder folder;
  {
    Program earlier;
    earlier.openAndRun(folder.data);
    earlier.script.inputAnswers = {"1"};
    earlier.script.chosenFiles = {folder.dir.write("samples.txt", SamplesFile)};
    earlier.script.messageAnswers = {MessageAnswer::Yes};
    ASSERT_EQ(cmdBootstrap_Click(earlier.state, earlier.platform, earlier.background), BootstrapOutcome::Done);
    ASSERT_TRUE(std::filesystem::exists(earlier.state.report.BaseFileName + "_4_Bootstrap_Qp_in column.txt"));
    earlier.state.files.closeAll();
  }
  Program p;
  p.openAndRun(folder.data);
  ASSERT_EQ(p.newSamplesBootstrap(), BootstrapOutcome::Done);
  const std::string base = p.state.report.BaseFileName;
  std::vector<std::string> bootstrapFiles;
  for (const OutputFileGroup& group : doneformFiles(p.state).groups) {
    if (group.heading != "The bootstrap result files are:") continue;
    for (const OutputFileEntry& entry : group.files) bootstrapFiles.push_back(entry.fileName);
  }
  EXPECT_EQ(bootstrapFiles, (std::vector<std::string>{base + "_4_Bootstrap_C0_in column.txt",
                                                      base + "_4_Bootstrap_C0-in Row.txt",
                                                      base + "_9_Bootstrap-Co frequency.txt"}));
}

}  // namespace
}  // namespace vorelan
