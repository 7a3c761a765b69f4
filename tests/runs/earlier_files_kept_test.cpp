// Earlier results beside the data file are never lost: a file of a run takes
// the place of the earlier one only when it is written whole; leaving after
// Open, a stopped run or a failing disk leave every earlier file as it was,
// and a run tells the files it could not write once, the report first.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "model/replaced_file.h"
#include "report/file_failure.h"
#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/handler_boundary.h"
#include "runs/jackknife_run.h"
#include "runs/main_window_controls.h"
#include "runs/open_data_file.h"
#include "runs/program_in_folder.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::Contents;
using testing::DataName;
using testing::Folder;
using testing::Program;

// ---- Open changes nothing on disk ---------------------------------------------

struct WayOfLeaving {
  const char* name;
  void (*leave)(Program&, const Folder&);
};

void PrintTo(const WayOfLeaving& c, std::ostream* out) { *out << c.name; }

const WayOfLeaving WaysOfLeaving[] = {
    // Quit through the dedication window, or the main window's close box.
    {"QuitOrCloseTheWindow", [](Program& p, const Folder&) { p.state.files.closeAll(); }},
    // The file fails its checks at the Basic Run, which ends the program.
    {"TheDataFileNowFailsItsChecks",
     [](Program& p, const Folder& f) {
       f.dir.write(DataName, testing::cohortFile({"Egg", "Larva", "Pupa", "Adult"}, {"1,F,1,1,-2,-1,-1,-1"}));
       EXPECT_FALSE(runHandler(p.state, p.platform, [&] { BasicRun(p.state, p.platform); }));
     }},
    // The open files go without anything being closed, as when the program ends any other way.
    {"TheProgramEndsAnyOtherWay", [](Program& p, const Folder&) { p.state.files = OpenFiles(); }},
};

class LeavingAfterOpen : public ::testing::TestWithParam<WayOfLeaving> {};

TEST_P(LeavingAfterOpen, LeavesEveryEarlierFileAsItWas) {
  const Folder folder;
  Program first;
  first.openAndRun(folder.data);
  const Contents earlier = folder.markEarlierResults();

  Program second;
  ASSERT_TRUE(second.open(folder.data));
  GetParam().leave(second, folder);
  EXPECT_EQ(folder.results(), earlier);
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingAfterOpen, ::testing::ValuesIn(WaysOfLeaving),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpenDataFile, AFileThatFailsItsChecksCreatesNoReport) {
  const Folder folder;
  folder.dir.write(DataName, testing::cohortFile({"Egg", "Adult"}, {"2,F,1,1,-1,-1"}));
  Program p;
  EXPECT_FALSE(runHandler(p.state, p.platform, [&] { p.open(folder.data); }));
  EXPECT_EQ(p.script.endProgramCalls, 1);
  EXPECT_TRUE(folder.results().empty());
}

// A leftover of a killed run goes at the next Open; the user's files stay.
TEST(OpenDataFile, RemovesWhatAKilledRunLeftBesideTheDataFile) {
  const Folder folder;
  const std::string leftover = folder.dir.write(".vorelan-00000000deadbeef.part", "half a report");
  const std::string userFile = folder.dir.write("notes.part", "the user's");
  Program p;
  ASSERT_TRUE(p.open(folder.data));
  EXPECT_FALSE(fs::exists(leftover));
  EXPECT_EQ(readFile(userFile), "the user's");
}

// ---- One analysis per run of the program --------------------------------------

TEST(OpenDataFile, NoOtherDataFileIsOpenedAfterTheBasicRunOrAResamplingRun) {
  const Folder folder;
  Program p;
  p.openAndRun(folder.data);
  ASSERT_TRUE(cmdJackknife_Click(p.state, p.platform, p.background));
  const Contents results = folder.results();
  p.script.boxes.clear();
  EXPECT_FALSE(p.open(folder.data));
  EXPECT_TRUE(p.script.boxes.empty()) << "not even the time unit is asked";
  EXPECT_FALSE(p.state.files.file3.isOpen());
  EXPECT_EQ(BasicRun(p.state, p.platform), BasicRunOutcome::AlreadyDone);
  EXPECT_EQ(folder.results(), results);
  EXPECT_FALSE(mainWindowControls(p.state).cmdOpenDataFile);
}

// ---- A failing disk -----------------------------------------------------------

// A disk that takes the first `room` files written and then fails every
// write, as a full one does. The files are told apart by their first write.
class FillingDisk {
 public:
  explicit FillingDisk(std::size_t room) : room_(room) {}
  WriteFault fault() {
    return [this](const std::string& target, std::uintmax_t, std::size_t& size) {
      const std::lock_guard lock(lock_);
      if (seen_.insert(target).second && seen_.size() > room_) full_.insert(target);
      if (!full_.count(target)) return 0;
      size /= 2;
      return ENOSPC;
    };
  }

 private:
  std::size_t room_;
  std::mutex lock_;
  std::set<std::string> seen_;
  std::set<std::string> full_;
};

TEST(BasicRun, OnADiskThatFillsKeepsTheEarlierFilesAndTellsThemOnceReportFirst) {
  const Folder folder;
  Program first;
  first.openAndRun(folder.data);
  const Contents good = folder.results();
  const Contents earlier = folder.markEarlierResults();

  FillingDisk disk(5);
  Program second;
  second.state.files.writeFault = disk.fault();
  second.openAndRun(folder.data);

  const Contents after = folder.results();
  std::size_t kept = 0;
  for (const auto& [name, bytes] : after) {
    EXPECT_TRUE(bytes == good.at(name) || bytes == earlier.at(name)) << name;
    kept += bytes == earlier.at(name) ? 1 : 0;
  }
  EXPECT_EQ(after.size(), earlier.size());
  EXPECT_GT(kept, ListedUnwrittenFiles);
  EXPECT_EQ(after.at("cohort_0_Basic_Output.txt"), "earlier cohort_0_Basic_Output.txt");
  EXPECT_FALSE(folder.holdsTemporaryFiles());

  const auto boxes = second.script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  EXPECT_EQ(boxes[0].text.find("These files could not be written in the folder " + folder.dir.path().string() +
                               " (the disk is full):\ncohort_0_Basic_Output.txt\n"),
            0u)
      << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("\nand " + std::to_string(kept - ListedUnwrittenFiles) + " more\n"),
            std::string::npos)
      << boxes[0].text;
  // The run still ends as a Basic Run does.
  EXPECT_EQ(second.state.run.BasicRunDone, "yes");
  EXPECT_EQ(mainWindowPhase(second.state), MainWindowPhase::BasicRunDone);
}

// ---- Resampling runs ----------------------------------------------------------

TEST(BootstrapRun, AStoppedRunKeepsEveryEarlierFileOfTheBootstrap) {
  const Folder folder;
  Program first;
  first.openAndRun(folder.data);
  ASSERT_EQ(first.newSamplesBootstrap(), BootstrapOutcome::Done);
  const Contents earlier = folder.markEarlierResults();
  ASSERT_TRUE(earlier.count("cohort_0_Bootstrap_samples.txt"));

  Program second;
  second.openAndRun(folder.data);
  second.background.stopAfter = 2;
  EXPECT_EQ(second.newSamplesBootstrap(), BootstrapOutcome::Stopped);
  for (const auto& [name, bytes] : folder.results()) {
    if (name.find("Bootstrap") != std::string::npos) {
      EXPECT_EQ(bytes, earlier.at(name)) << name;
    }
  }
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

// The new-samples run still leaves the record of samples empty, once it is done.
TEST(BootstrapRun, ANewSamplesRunReplacesTheSamplesRecordByAnEmptyFile) {
  const Folder folder;
  folder.dir.write("cohort_0_Bootstrap_samples.txt", "earlier samples");
  Program p;
  p.openAndRun(folder.data);
  ASSERT_EQ(p.newSamplesBootstrap(), BootstrapOutcome::Done);
  EXPECT_EQ(folder.results().at("cohort_0_Bootstrap_samples.txt"), "");
}

// A report that cannot be written ends the run as a stopped one: nothing
// else of the run is written, and it can be run again.
TEST(JackknifeRun, AReportThatCannotBeWrittenEndsTheRunAsAStoppedOne) {
  const Folder folder;
  Program first;
  first.openAndRun(folder.data);
  ASSERT_TRUE(cmdJackknife_Click(first.state, first.platform, first.background));
  const Contents earlier = folder.markEarlierResults();

  Program second;
  second.openAndRun(folder.data);
  const std::string report = (folder.dir.path() / "cohort_0_Jackknife_Output.txt").string();
  second.state.files.writeFault = [report](const std::string& target, std::uintmax_t, std::size_t& size) {
    if (target != report) return 0;
    size = 0;
    return ENOSPC;
  };
  second.script.boxes.clear();
  EXPECT_FALSE(cmdJackknife_Click(second.state, second.platform, second.background));
  for (const auto& [name, bytes] : folder.results()) {
    if (name.find("ackknife") != std::string::npos || name.find("_5_") != std::string::npos) {
      EXPECT_EQ(bytes, earlier.at(name)) << name;
    }
  }
  const auto boxes = second.script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(":\ncohort_0_Jackknife_Output.txt\n"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(second.state.run.ResamplingDone, "");
  EXPECT_EQ(mainWindowPhase(second.state), MainWindowPhase::BasicRunDone);
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

}  // namespace
}  // namespace vorelan
