// Every reader of an input file, given what is no file it can read: a named
// pipe that no program writes to, a device that never ends (/dev/zero,
// /dev/urandom) and a file larger than any input can be. Each is refused at
// once with the reader's own refusal, which says why, without taking memory,
// and nothing of the analysis changes. Each case runs in a child process
// with an alarm, so that a reader that waits or reads for ever fails the
// test instead of holding it up.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "datafile/data_file_error.h"
#include "datafile/file_bytes.h"
#include "platform/program_termination.h"
#include "resampling/bootstrap_samples_file.h"
#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/data_file_as_analysed.h"
#include "runs/jackknife_run.h"
#include "runs/main_window_controls.h"
#include "runs/open_data_file.h"
#include "runs/program_in_folder.h"
#include "runs/read_sasd.h"
#include "support/fixture_path.h"
#include "support/guarded_child.h"
#include "support/inline_background_work.h"
#include "support/own_device.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;

// ---- What is put in the place of a file ------------------------------------------

struct NotReadable {
  const char* name;
  bool (*make)(const std::string& path);  // false when this system has none
  const char* reason;
};

bool namedPipe(const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }

// As root, the test's own node of the device, which a rename could replace
// as no device of the machine's is ever replaced; as any other user, who may
// replace no file in /dev, a link to the machine's.
bool deviceLike(const char* device, const std::string& path) {
  std::error_code error;
  if (!fs::exists(device, error)) return false;
  if (testing::makeDeviceLike(path, device)) return true;
  if (::geteuid() == 0) return false;
  fs::create_symlink(device, path, error);
  return !error;
}

// Sparse: it takes no room on the disk, however large it says it is.
bool largerThanTheCap(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  const bool made = ::ftruncate(fd, static_cast<off_t>(MaxInputFileBytes + 1)) == 0;
  ::close(fd);
  return made;
}

const NotReadable NotReadables[] = {
    {"a named pipe with no writer", namedPipe, "it is a named pipe, not a plain file"},
    {"/dev/zero", [](const std::string& p) { return deviceLike("/dev/zero", p); }, "it is a device, not a plain file"},
    {"/dev/urandom", [](const std::string& p) { return deviceLike("/dev/urandom", p); },
     "it is a device, not a plain file"},
    {"a file larger than the cap", largerThanTheCap,
     "it is larger than any file the program can read (704,036,928 bytes at most)"},
};

// ---- The session, and what of it must not change ---------------------------------

struct Session : testing::Program {
  testing::TempDir dir;
  std::string data = dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt")));
  std::string other = (dir.path() / "other.txt").string();

  bool open() { return Program::open(data); }
  bool basicRun() { return open() && BasicRun(state, platform) == BasicRunOutcome::Computed; }
  bool bootstrap() {
    if (!basicRun()) return false;
    script.inputAnswers = {"2", "7", "3"};  // new samples, B = 7, n = 3
    script.messageAnswers = {MessageAnswer::No};  // no density curves
    return cmdBootstrap_Click(state, platform, background) == BootstrapOutcome::Done;
  }
};

// The folder as it stands: each entry's kind and size, and the bytes of the
// small plain files. Only looked at, never opened but as a plain file. The
// hidden files of a report begun are left out.
std::map<std::string, std::string> folderContent(const Session& s) {
  std::map<std::string, std::string> content;
  for (const auto& entry : fs::directory_iterator(s.dir.path())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(".vorelan-", 0) == 0) continue;
    const fs::file_status status = entry.symlink_status();
    std::string& what = content[name];
    if (fs::is_regular_file(status) && fs::file_size(entry.path()) < (1 << 20)) {
      what = testing::readFile(entry.path().string());
    } else {
      what = "kind " + std::to_string(static_cast<int>(status.type()));
    }
  }
  return content;
}

// The parts of the state that a refusal must leave as they were.
std::map<std::string, std::string> stateOf(const Session& s) {
  const AnalysisState& st = s.state;
  const MainWindowControls controls = mainWindowControls(st);
  return {
      {"BasicRunDone", st.run.BasicRunDone},
      {"ResamplingDone", st.run.ResamplingDone},
      {"SASDRead", st.run.SASDRead},
      {"ResampleMethod", st.run.ResampleMethod},
      {"DataFileAwaitingRun", std::to_string(st.run.DataFileAwaitingRun)},
      {"DataFileName", st.report.DataFileName},
      {"ReportFileName", st.report.ReportFileName},
      {"PageNo", std::to_string(st.report.PageNo)},
      {"TableNo", std::to_string(st.report.TableNo)},
      {"NumBootstrap", std::to_string(st.bootstrap.NumBootstrap)},
      {"SameBootSamples", st.bootstrap.SameBootSamples},
      {"SASDFileName", st.predation.SASDFileName},
      {"Psi", std::to_string(st.predation.Psi)},
      {"ComparisonDone", std::to_string(st.comparison.ComparisonDone)},
      {"CompareFileName", st.comparison.CompareFileName},
      {"C0", std::to_string(st.ageVectors.TotalNetConsumptionRate)},
      {"analysed bytes", st.analysedDataFile.bytes ? *st.analysedDataFile.bytes : "(none)"},
      {"file 3 open", std::to_string(st.files.file3.isOpen())},
      {"unwritten files", std::to_string(st.files.unwritten.size())},
      {"controls", std::to_string(controls == MainWindowControls{})},
  };
}

// ---- The readers ------------------------------------------------------------------

struct Reader {
  const char* name;
  // Brings the session to where the reader is reached; false when it cannot.
  std::function<bool(Session&)> setUp;
  // The path that the reader will be given.
  std::function<std::string(const Session&)> target;
  // Reads it; true when the program ended.
  std::function<bool(Session&, const std::string& path)> read;
  // The one message of its refusal.
  std::function<std::string(const std::string& path, const std::string& reason)> refusal;
  bool programEnds;
};

std::string dataFileError(const std::string& path, const std::string& reason) {
  return std::string(DataFileErrorTitle) + ": The data file " + path + " cannot be opened: " + reason +
         ".\nPlease correct your data and rerun this program.";
}

std::string notAnalysed(const char* run, const std::string& path, const std::string& reason) {
  return std::string(DataFileChangedTitle) + ": The data file\n" + path + "\ncan no longer be read: " + reason +
         ".\n\nNothing has been run: the " + run +
         " computes only on the data file as the Basic Run analysed it. Quit and restart the program to analyse "
         "the file as it is now.";
}

bool ends(const std::function<void()>& step) {
  try {
    step();
  } catch (const ProgramTermination&) {
    return true;
  }
  return false;
}

const Reader Readers[] = {
    {"Open data file", [](Session&) { return true; }, [](const Session& s) { return s.data; },
     [](Session& s, const std::string&) { return ends([&] { EXPECT_FALSE(s.open()); }); }, dataFileError, true},
    {"Basic Run", [](Session& s) { return s.open(); }, [](const Session& s) { return s.data; },
     [](Session& s, const std::string&) { return ends([&] { BasicRun(s.state, s.platform); }); }, dataFileError,
     true},
    {"Read SASD", [](Session& s) { return s.basicRun(); }, [](const Session& s) { return s.other; },
     [](Session& s, const std::string& path) {
       s.script.chosenFiles = {path};
       return ends([&] { ReadDataFileForSASD2(s.state, s.platform); });
     },
     [](const std::string& path, const std::string& reason) {
       return std::string(SasdFileErrorTitle) + ": The stable age-stage distribution file\n" + path +
              "\nwas not read.\n\nThe file cannot be opened: " + reason + ".\n\nNothing has been changed.";
     },
     false},
    {"the bootstrap samples file", [](Session& s) { return s.basicRun(); },
     [](const Session& s) { return s.other; },
     [](Session& s, const std::string& path) {
       s.script.inputAnswers = {"1"};  // the same samples
       s.script.chosenFiles = {path};
       return ends([&] { cmdBootstrap_Click(s.state, s.platform, s.background); });
     },
     [](const std::string& path, const std::string& reason) {
       return std::string(BootstrapSamplesFileTitle) + ": The bootstrap samples file " + path +
              " cannot be read: " + reason + ".";
     },
     false},
    {"C2B's second-treatment file", [](Session& s) { return s.bootstrap(); },
     [](const Session& s) { return s.other; },
     [](Session& s, const std::string& path) {
       s.script.chosenFiles = {path};
       return ends([&] { cmdCompare2boots_Click(s.state, s.platform); });
     },
     [](const std::string& path, const std::string& reason) {
       return std::string(CompareTitle) + ": The file " + path + " cannot be compared: " + reason + ".";
     },
     false},
    {"the data file again before a Jackknife", [](Session& s) { return s.basicRun(); },
     [](const Session& s) { return s.data; },
     [](Session& s, const std::string&) {
       return ends([&] { cmdJackknife_Click(s.state, s.platform, s.background); });
     },
     [](const std::string& path, const std::string& reason) { return notAnalysed("Jackknife", path, reason); },
     false},
    {"the data file again before a Bootstrap", [](Session& s) { return s.basicRun(); },
     [](const Session& s) { return s.data; },
     [](Session& s, const std::string&) {
       s.script.inputAnswers = {"2", "7", "3"};
       return ends([&] { cmdBootstrap_Click(s.state, s.platform, s.background); });
     },
     [](const std::string& path, const std::string& reason) { return notAnalysed("Bootstrap", path, reason); },
     false},
};

// Far below the cap: a reader that took the file in would grow by hundreds
// of megabytes.
constexpr long MostMemoryKib = 32 * 1024;

TEST(UnreadableInputs, EveryReaderRefusesAtOnceAndChangesNothing) {
  for (const Reader& reader : Readers) {
    for (const NotReadable& input : NotReadables) {
      const std::string which = std::string(reader.name) + ", " + input.name;
      Session s;
      ASSERT_TRUE(reader.setUp(s)) << which;
      const std::string path = reader.target(s);
      fs::remove(path);
      if (!input.make(path)) {
        // As root, only a device of the test's own will do, and this
        // machine may let no program make one.
        if (::geteuid() == 0 && std::string_view(input.name).starts_with("/dev/")) {
          std::cerr << which << ": skipped, no device can be made here\n";
          continue;
        }
        ADD_FAILURE() << which << ": could not be made";
        continue;
      }
      s.script.boxes.clear();
      const auto folderBefore = folderContent(s);
      const auto stateBefore = stateOf(s);

      const testing::GuardedOutcome outcome = testing::runGuarded([&] {
        const bool ended = reader.read(s, path);
        std::string told = ended ? "the program ended\n" : "the program goes on\n";
        for (const testing::ShownBox& box : s.script.messages()) told += box.title + ": " + box.text + "\n";
        if (!reader.programEnds) {
          const auto after = stateOf(s);
          for (const auto& [name, value] : stateBefore) {
            if (after.at(name) != value) told += "changed: " + name + "\n";
          }
        }
        if (folderContent(s) != folderBefore) told += "changed: the folder\n";
        return told;
      });
      if (!outcome.finished) {
        ADD_FAILURE() << which << ": " << outcome.why;
        continue;
      }
      EXPECT_EQ(outcome.text, std::string(reader.programEnds ? "the program ended\n" : "the program goes on\n") +
                                  reader.refusal(path, input.reason) + "\n")
          << which;
      EXPECT_LT(outcome.seconds, 1.0) << which;
      EXPECT_LT(outcome.peakGrowthKib, MostMemoryKib) << which;
    }
  }
}

// A refusal leaves nothing behind: the data file put back as it was, the
// Jackknife runs on it.
TEST(UnreadableInputs, AfterARefusalTheRunGoesOnTheFileAsAnalysed) {
  Session s;
  ASSERT_TRUE(s.basicRun());
  const std::string bytes = testing::readFile(s.data);
  fs::remove(s.data);
  ASSERT_TRUE(namedPipe(s.data));
  const testing::GuardedOutcome refused = testing::runGuarded([&] {
    return std::to_string(cmdJackknife_Click(s.state, s.platform, s.background));
  });
  ASSERT_TRUE(refused.finished) << refused.why;
  EXPECT_EQ(refused.text, "0");
  EXPECT_FALSE(cmdJackknife_Click(s.state, s.platform, s.background));
  fs::remove(s.data);
  s.dir.write("cohort.txt", bytes);
  s.script.boxes.clear();
  EXPECT_TRUE(cmdJackknife_Click(s.state, s.platform, s.background));
  EXPECT_EQ(s.state.run.ResamplingDone, "yes");
}

}  // namespace
}  // namespace vorelan
