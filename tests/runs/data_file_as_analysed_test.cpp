// The resampling runs compute only on the data file as the Basic Run
// analysed it: a file edited since is refused before anything is asked or
// written, and the same bytes written again still run.
#include "runs/data_file_as_analysed.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/jackknife_run.h"
#include "runs/main_window_controls.h"
#include "runs/open_data_file.h"
#include "support/cohort_text.h"
#include "support/inline_background_work.h"
#include "support/life_table_run.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

// Four females whose lifetime consumption is 6, 12, 15 and 66: C0 = 24.75.
const std::vector<std::string> FourFemales = {
    "1,F,1,1,2,-1,-1,3,3,-1", "2,F,1,1,2,-1,-1,6,6,-1",
    "3,F,1,1,2,-1,-1,9,6,-1", "4,F,1,1,2,-1,-1,30,36,-1"};

std::string cohortOf(const std::vector<std::string>& records) {
  return testing::cohortFile(testing::ThreeStages, records);
}

// Two more females, who eat far more than the four.
std::string withTwoRecordsAdded() {
  std::vector<std::string> records = FourFemales;
  records.push_back("5,F,1,1,2,-1,-1,500,500,-1");
  records.push_back("6,F,1,1,2,-1,-1,700,700,-1");
  return cohortOf(records);
}

// A daily value of -2, which Open refuses.
std::string withAValueMadeInvalid() {
  std::vector<std::string> records = FourFemales;
  records[1] = "2,F,1,1,2,-1,-1,-2,6,-1";
  return cohortOf(records);
}

struct Session {
  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  testing::InlineBackgroundWork background;
  AnalysisState state;
  std::string data;

  Session() {
    script.inputAnswers = {"1"};
    data = dir.write("cohort.txt", cohortOf(FourFemales));
    script.chosenFiles = {data};
    EXPECT_TRUE(OpenDataFile(state, platform));
    EXPECT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
    script.boxes.clear();
  }
  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  // The file on disk after the Basic Run: the text given, or no file at all.
  void rewrite(const std::optional<std::string>& text) const {
    if (text) {
      dir.write("cohort.txt", *text);
    } else {
      std::filesystem::remove(data);
    }
  }
};

enum class Resampling { Jackknife, Bootstrap };

// Runs one resampling run: the bootstrap with new samples, B = 3 and n = 4,
// no density curves. True when it ran to its end.
bool resample(Session& s, Resampling run) {
  if (run == Resampling::Jackknife) return cmdJackknife_Click(s.state, s.platform, s.background);
  s.script.inputAnswers = {"2", "3", "4"};
  s.script.messageAnswers = {MessageAnswer::No};
  return cmdBootstrap_Click(s.state, s.platform, s.background) == BootstrapOutcome::Done;
}

struct Edit {
  const char* name;
  std::optional<std::string> text;  // nothing: the file is removed
  const char* problem;              // in the message; nothing when the run goes on
};

const Edit Edits[] = {
    {"records added", withTwoRecordsAdded(), "has changed since the Basic Run."},
    {"a value made invalid", withAValueMadeInvalid(), "has changed since the Basic Run."},
    {"the file removed", std::nullopt, "can no longer be read: it does not exist."},
    {"the same bytes written again", cohortOf(FourFemales), nullptr},
};

TEST(DataFileAsAnalysed, AFileChangedSinceTheBasicRunIsRefusedAndNothingChanges) {
  for (const Resampling run : {Resampling::Jackknife, Resampling::Bootstrap}) {
    for (const Edit& edit : Edits) {
      if (!edit.problem) continue;
      const std::string which = std::string(run == Resampling::Jackknife ? "jackknife, " : "bootstrap, ") + edit.name;
      Session s;
      s.rewrite(edit.text);
      const std::set<std::string> before = s.files();
      const MainWindowControls controls = mainWindowControls(s.state);
      const int page = s.state.report.PageNo;
      const std::string report = s.state.report.ReportFileName;

      EXPECT_FALSE(resample(s, run)) << which;
      ASSERT_EQ(s.script.boxes.size(), 1u) << which;  // not one question was asked
      const testing::ShownBox& box = s.script.boxes[0];
      EXPECT_EQ(box.kind, "message") << which;
      EXPECT_EQ(box.title, "Data file changed") << which;
      EXPECT_NE(box.text.find(s.data), std::string::npos) << which << ": " << box.text;
      EXPECT_NE(box.text.find(edit.problem), std::string::npos) << which << ": " << box.text;
      EXPECT_NE(box.text.find("Quit and restart the program to analyse the file as it is now."), std::string::npos)
          << which;

      EXPECT_EQ(s.files(), before) << which;  // no report, no result file
      EXPECT_EQ(mainWindowControls(s.state), controls) << which;
      EXPECT_EQ(s.background.runs, 0) << which;
      EXPECT_EQ(s.script.endProgramCalls, 0) << which;
      EXPECT_EQ(s.state.run.ResamplingDone, "") << which;
      EXPECT_EQ(s.state.run.ResampleMethod, "j") << which;
      EXPECT_EQ(s.state.report.PageNo, page) << which;
      EXPECT_EQ(s.state.report.ReportFileName, report) << which;
      EXPECT_FALSE(s.state.files.file3.isOpen()) << which;
      EXPECT_EQ(s.state.jackknife.JackOmitted, 0) << which;
      EXPECT_EQ(s.state.bootstrap.NumBootstrap, 0) << which;
    }
  }
}

// Written again byte for byte, the file is the one analysed: the run goes,
// on the four females.
TEST(DataFileAsAnalysed, TheSameBytesWrittenAgainStillRun) {
  const Edit& same = Edits[std::size(Edits) - 1];
  ASSERT_EQ(same.problem, nullptr);
  for (const Resampling run : {Resampling::Jackknife, Resampling::Bootstrap}) {
    Session s;
    s.rewrite(same.text);
    EXPECT_TRUE(resample(s, run));
    EXPECT_EQ(s.state.run.ResamplingDone, "yes");
    for (const testing::ShownBox& box : s.script.messages()) EXPECT_NE(box.title, "Data file changed");
    if (run == Resampling::Jackknife) {
      // The pseudo-value of each female is her own lifetime consumption.
      const double lifetime[] = {6, 12, 15, 66};
      for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(s.state.jackknife.JackPseudoC0(k), lifetime[k - 1]) << k;
    } else {
      EXPECT_EQ(s.state.source.NumSourceIndividuals, 4);
    }
    EXPECT_FALSE(s.state.files.file2.isOpenFor(s.data));  // the bytes are held no longer than the reading
  }
}

// The file edited while the bootstrap asks its questions, after the check:
// the replicates are still drawn from the four females analysed.
TEST(DataFileAsAnalysed, TheBootstrapReadsTheBytesAnalysedNotTheFileAsItIsLater) {
  Session s;
  struct EditingWhileAsking : InputBox {
    InputBox& answers;
    std::function<void()> edit;
    EditingWhileAsking(InputBox& a, std::function<void()> e) : answers(a), edit(std::move(e)) {}
    std::optional<std::string> ask(const std::string& prompt, const std::string& title,
                                   const std::string& defaultAnswer) override {
      if (edit) std::exchange(edit, nullptr)();
      return answers.ask(prompt, title, defaultAnswer);
    }
  } editing(s.script, [&s] { s.rewrite(withTwoRecordsAdded()); });
  Platform platform{editing, s.script, s.script, s.script, s.script, s.script};
  s.script.inputAnswers = {"2", "20", "4"};
  s.script.messageAnswers = {MessageAnswer::No};
  ASSERT_EQ(cmdBootstrap_Click(s.state, platform, s.background), BootstrapOutcome::Done);
  EXPECT_EQ(s.state.source.NumSourceIndividuals, 4);
  // Every replicate is the mean of four lifetime consumptions of 6, 12, 15, 66.
  for (int b = 1; b <= 20; ++b) EXPECT_LE(s.state.bootstrap.BootC0(b), 66) << b;
}

}  // namespace
}  // namespace vorelan
