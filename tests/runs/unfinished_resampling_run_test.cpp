// A resampling run that does not finish (stopped, or its report not
// written) recomputes the shared cohort, matrices and counters replicate by
// replicate like any other; the program then goes on exactly as after the
// Basic Run: the life table's numbers are the Basic Run's, Read SASD reads a
// distribution of the cohort, and the run done again writes what it would
// have written in a fresh session.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "predation/five_predators_sasd.h"
#include "report/file_failure.h"
#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/jackknife_run.h"
#include "runs/main_window_controls.h"
#include "runs/open_data_file.h"
#include "runs/read_sasd.h"
#include "support/fixture_path.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using Contents = std::map<std::string, std::string>;  // file name -> bytes

constexpr const char* DataName = "cohort.txt";

// ---- What is compared -----------------------------------------------------------

// The values of one part of the state, each with its place, as "(3,2) 7.5".
using Values = std::vector<std::string>;

std::string text(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}
std::string text(const std::string& s) { return "\"" + s + "\""; }

void add(Values& values, const std::string& place, double v) { values.push_back(place + " " + text(v)); }
void add(Values& values, const std::string& place, const std::string& s) { values.push_back(place + " " + text(s)); }

template <class T>
void add(Values& values, const std::string& name, const Array1<T>& a) {
  add(values, name + " size", double(a.size()));
  for (std::size_t i = 0; i < a.size(); ++i) add(values, name + "(" + std::to_string(i) + ")", a(i));
}

template <class T>
void add(Values& values, const std::string& name, const Array2<T>& a) {
  add(values, name + " size", double(a.rows() * 1000 + a.cols()));
  for (std::size_t r = 0; r < a.rows(); ++r) {
    for (std::size_t c = 0; c < a.cols(); ++c) {
      add(values, name + "(" + std::to_string(r) + "," + std::to_string(c) + ")", a(r, c));
    }
  }
}

// The parts of the state that the controls after a resampling run read or
// that a later run starts from.
Values lifeTableValues(const AnalysisData& s) {
  Values v;
  const CohortHeader& h = s.header;
  add(v, "NumIndividuals", h.NumIndividuals);
  add(v, "NumIndividualsInFile", h.NumIndividualsInFile);
  add(v, "NumStages", h.NumStages);
  add(v, "MaxAgeRead", h.MaxAgeRead);
  add(v, "StageName", h.StageName);
  const CohortRecords& c = s.cohort;
  add(v, "SerialNo", c.SerialNo);
  add(v, "Sex", c.Sex);
  add(v, "StageDuration", c.StageDuration);
  add(v, "DailyConsumption", c.DailyConsumption);
  add(v, "StageConsumption", c.StageConsumption);
  add(v, "Txj", c.Txj);
  const AgeStageMatrices& m = s.matrices;
  add(v, "Nxj", m.Nxj);
  add(v, "Sxj", m.Sxj);
  add(v, "Gxj", m.Gxj);
  add(v, "Dxj", m.Dxj);
  add(v, "Cxj", m.Cxj);
  add(v, "Sj", m.Sj);
  add(v, "StageAgeRange", m.StageAgeRange);
  const AgeVectors& a = s.ageVectors;
  for (const auto& [name, vector] : {std::pair{"Lx", &a.Lx}, {"Qx", &a.Qx}, {"Kx", &a.Kx}, {"CumQx", &a.CumQx},
                                     {"Tx", &a.Tx}, {"AgeValue", &a.AgeValue},
                                     {"StageDailyMeanConsumption", &a.StageDailyMeanConsumption},
                                     {"CjFromMatrices", &a.CjFromMatrices}, {"CjFromMeans", &a.CjFromMeans}}) {
    add(v, name, *vector);
  }
  add(v, "NetConsumptionRate", a.NetConsumptionRate);
  add(v, "PrintedC0", a.PrintedC0);
  add(v, "StageDurMean", s.stageStats.StageDurMean);
  add(v, "StageConsMean", s.stageStats.StageConsMean);
  add(v, "MaxAge", s.stageStats.MaxAge);
  add(v, "OrigMaxAge", s.stageStats.OrigMaxAge);
  add(v, "LifetimeConsMean", s.span.LifetimeConsMean);
  add(v, "TotalConsumption", s.longevity.TotalConsumption);
  add(v, "PageNo", s.report.PageNo);
  add(v, "TableNo", s.report.TableNo);
  add(v, "ReportFileName", s.report.ReportFileName);
  add(v, "OutputFileName", s.report.OutputFileName);
  add(v, "ResultFileName", s.report.ResultFileName);
  add(v, "ResampleMethod", s.run.ResampleMethod);
  add(v, "ResamplingDone", s.run.ResamplingDone);
  add(v, "ResamplingRunning", s.run.ResamplingRunning);
  add(v, "SASDRead", s.run.SASDRead);
  add(v, "NumBootstrap", s.bootstrap.NumBootstrap);
  add(v, "BootNo", s.bootstrap.BootNo);
  add(v, "SameBootSamples", s.bootstrap.SameBootSamples);
  add(v, "BootBeginText", s.bootSummary.BootBeginText);
  add(v, "NumSourceIndividuals", s.source.NumSourceIndividuals);
  add(v, "JackOmitted", s.jackknife.JackOmitted);
  return v;
}

// ---- The program and its folder ---------------------------------------------------

// One run of the program on the five predators, with a seeded random source
// (every session draws the same samples).
struct Session {
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  testing::InlineBackgroundWork background;

  explicit Session(const std::string& data) {
    script.inputAnswers = {"1"};
    script.chosenFiles = {data};
    EXPECT_TRUE(OpenDataFile(state, platform));
    EXPECT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
    script.boxes.clear();
  }
};

struct Folder {
  testing::TempDir dir;
  std::string data = dir.write(DataName, readFile(testing::fixturePath("five_predators.txt")));

  // Every file of the folder but the data file.
  Contents results() const {
    Contents contents;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      const std::string name = entry.path().filename().string();
      if (name != DataName) contents[name] = readFile(entry.path().string());
    }
    return contents;
  }
  void removeResults() const {
    for (const auto& [name, bytes] : results()) fs::remove(dir.path() / name);
  }
};

// ---- The cases ------------------------------------------------------------------

struct Resampling {
  const char* reportSuffix;
  // True when the run finished.
  std::function<bool(Session&)> run;
};

const Resampling Jackknife{JackknifeReportSuffix,
                           [](Session& s) { return cmdJackknife_Click(s.state, s.platform, s.background); }};

const Resampling NewSamplesBootstrap{BootstrapReportSuffix, [](Session& s) {
                                       s.script.inputAnswers = {"2", "20", "5"};
                                       s.script.messageAnswers = {MessageAnswer::No};
                                       return cmdBootstrap_Click(s.state, s.platform, s.background) ==
                                              BootstrapOutcome::Done;
                                     }};

// What keeps the run from finishing, and how it is taken away again.
struct Hindrance {
  void (*set)(Session&, const std::string& report);
  void (*remove)(Session&);
};

const Hindrance StoppedByTheUser{[](Session& s, const std::string&) { s.background.stopAfter = 2; },
                                 [](Session& s) { s.background.stopAfter = -1; }};

const Hindrance ReportNotWritten{
    [](Session& s, const std::string& report) {
      s.state.files.writeFault = [report](const std::string& target, std::uintmax_t, std::size_t& size) {
        if (target != report) return 0;
        size = 0;
        return ENOSPC;
      };
    },
    [](Session& s) { s.state.files.writeFault = {}; }};

struct UnfinishedRun {
  const char* name;
  const Resampling* resampling;
  const Hindrance* hindrance;
};

const UnfinishedRun UnfinishedRuns[] = {
    {"StoppedJackknife", &Jackknife, &StoppedByTheUser},
    {"JackknifeWithoutItsReport", &Jackknife, &ReportNotWritten},
    {"StoppedBootstrap", &NewSamplesBootstrap, &StoppedByTheUser},
    {"BootstrapWithoutItsReport", &NewSamplesBootstrap, &ReportNotWritten},
};

void PrintTo(const UnfinishedRun& run, std::ostream* out) { *out << run.name; }

class AfterAnUnfinishedRun : public ::testing::TestWithParam<UnfinishedRun> {
 protected:
  // The run of this case, hindered so that it does not finish.
  void runUnfinished(Session& s) {
    const UnfinishedRun& c = GetParam();
    c.hindrance->set(s, s.state.report.BaseFileName + c.resampling->reportSuffix);
    ASSERT_FALSE(c.resampling->run(s));
    c.hindrance->remove(s);
  }
};

TEST_P(AfterAnUnfinishedRun, TheStateHoldsWhatTheBasicRunLeft) {
  const Folder folder;
  Session s(folder.data);
  const AnalysisData basicRun = s.state;
  const MainWindowControls basicRunControls = mainWindowControls(s.state);
  ASSERT_NO_FATAL_FAILURE(runUnfinished(s));
  const Values expected = lifeTableValues(basicRun);
  const Values after = lifeTableValues(s.state);
  int differences = 0;
  for (std::size_t i = 0; i < std::min(after.size(), expected.size()) && differences < 10; ++i) {
    if (after[i] != expected[i]) ++differences;
    EXPECT_EQ(after[i], expected[i]);
  }
  EXPECT_EQ(after.size(), expected.size());
  EXPECT_EQ(mainWindowPhase(s.state), MainWindowPhase::BasicRunDone);
  EXPECT_TRUE(mainWindowControls(s.state) == basicRunControls);
}

TEST_P(AfterAnUnfinishedRun, ReadSasdReadsADistributionOfTheCohort) {
  const Folder folder;
  Session s(folder.data);
  ASSERT_NO_FATAL_FAILURE(runUnfinished(s));
  s.script.boxes.clear();
  s.script.chosenFiles = {folder.dir.write("sasd.txt", testing::SasdFileText{}.text())};
  ASSERT_TRUE(ReadDataFileForSASD2(s.state, s.platform));
  // psi = 70 / 32 of the file's distribution, omega = lambda psi = 1.5 psi.
  EXPECT_EQ(s.state.predation.Psi, testing::FivePredatorsPsi);
  EXPECT_EQ(s.state.predation.Omega, 1.5 * testing::FivePredatorsPsi);
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].text, "Psi =2.1875.  Finite predation rate =3.28125");
}

// The same run again, and the other kind of resampling run in its place.
TEST_P(AfterAnUnfinishedRun, TheNextRunWritesWhatAFreshSessionWrites) {
  for (const Resampling* next : {&Jackknife, &NewSamplesBootstrap}) {
    SCOPED_TRACE(next->reportSuffix);
    const Folder folder;
    Contents fresh;
    {
      Session s(folder.data);
      ASSERT_TRUE(next->run(s));
      fresh = folder.results();
    }
    folder.removeResults();

    Session s(folder.data);
    ASSERT_NO_FATAL_FAILURE(runUnfinished(s));
    s.script.boxes.clear();
    ASSERT_TRUE(next->run(s));
    for (const auto& box : s.script.messages()) EXPECT_NE(box.title, OutputFileErrorTitle) << box.text;
    const Contents again = folder.results();
    EXPECT_EQ(again.size(), fresh.size());
    for (const auto& [name, bytes] : fresh) {
      ASSERT_TRUE(again.count(name)) << name;
      EXPECT_EQ(again.at(name), bytes) << name;
    }
    EXPECT_EQ(s.state.run.ResamplingDone, "yes");
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, AfterAnUnfinishedRun, ::testing::ValuesIn(UnfinishedRuns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorelan
