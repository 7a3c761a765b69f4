// Which controls of the main window can be used in each phase of the run.
#include "runs/main_window_controls.h"

#include <gtest/gtest.h>

#include <functional>

namespace vorelan {
namespace {

struct PhaseCase {
  const char* name;
  std::function<void(AnalysisState&)> reach;
  MainWindowPhase phase;
  MainWindowControls expected;
};

void PrintTo(const PhaseCase& c, std::ostream* out) { *out << c.name; }

MainWindowControls controls(std::function<void(MainWindowControls&)> set) {
  MainWindowControls c;
  set(c);
  return c;
}

void opened(AnalysisState& s) { s.run.DataFileAwaitingRun = true; }
void basicRunDone(AnalysisState& s) { s.run.BasicRunDone = "yes"; }
void resampling(AnalysisState& s, const char* method) {
  basicRunDone(s);
  s.run.ResampleMethod = method;
  s.run.ResamplingRunning = true;
}
void resamplingDone(AnalysisState& s, const char* method) {
  basicRunDone(s);
  s.run.ResampleMethod = method;
  s.run.ResamplingDone = "yes";
}

const MainWindowControls AfterBasicRun = controls([](MainWindowControls& c) {
  c.cmdOpenDataFile = false;
  c.cmdBasicRun = c.cmdBootstrap = c.cmdJackknife = true;
  c.cmdCompare2bootsVisible = true;
  c.Command6 = c.Command4 = c.Command23 = c.Command27 = c.Command28 = true;
});

// One analysis per run of the program: no other data file can be opened.
MainWindowControls afterResampling(bool bootstrap) {
  MainWindowControls c = AfterBasicRun;
  c.cmdOpenDataFile = false;
  c.cmdBasicRun = c.cmdBootstrap = c.cmdJackknife = false;
  c.Command6 = c.Command4 = false;
  c.Frame1 = c.figureButtons = false;
  c.histogramShown = true;
  c.cmdCompare2boots = bootstrap;
  c.bootstrapTimesShown = bootstrap;
  return c;
}

const PhaseCase Cases[] = {
    {"start", [](AnalysisState&) {}, MainWindowPhase::Start, MainWindowControls{}},
    {"file opened", opened, MainWindowPhase::FileOpened,
     controls([](MainWindowControls& c) {
       c.cmdOpenDataFile = false;
       c.cmdBasicRun = true;
     })},
    {"basic run done", basicRunDone, MainWindowPhase::BasicRunDone, AfterBasicRun},
    {"bootstrap running", [](AnalysisState& s) { resampling(s, "b"); }, MainWindowPhase::Resampling,
     controls([](MainWindowControls& c) {
       c = AfterBasicRun;
       c.cmdBasicRun = c.cmdBootstrap = c.cmdJackknife = false;
       c.Command6 = c.Command4 = false;
       c.Command2 = c.Command23 = c.Command27 = c.Command28 = false;
       c.Frame1 = c.figureButtons = false;
       c.bootstrapTimesShown = true;
       c.replicateProgressShown = true;
     })},
    {"jackknife running", [](AnalysisState& s) { resampling(s, "j"); }, MainWindowPhase::Resampling,
     controls([](MainWindowControls& c) {
       c = AfterBasicRun;
       c.cmdBasicRun = c.cmdBootstrap = c.cmdJackknife = false;
       c.Command6 = c.Command4 = false;
       c.Command2 = c.Command23 = c.Command27 = c.Command28 = false;
       c.Frame1 = c.figureButtons = false;
       c.replicateProgressShown = true;
     })},
    {"bootstrap done", [](AnalysisState& s) { resamplingDone(s, "b"); }, MainWindowPhase::ResamplingDone,
     afterResampling(true)},
    {"jackknife done", [](AnalysisState& s) { resamplingDone(s, "j"); }, MainWindowPhase::ResamplingDone,
     afterResampling(false)},
    // Stopped, or its report could not be written: as before the run.
    {"bootstrap stopped", [](AnalysisState& s) { basicRunDone(s), s.run.ResampleMethod = "b"; },
     MainWindowPhase::BasicRunDone, AfterBasicRun},
    {"analysis closed from the result window",
     [](AnalysisState& s) {
       resamplingDone(s, "b");
       s.run.AnalysisClosed = true;
     },
     MainWindowPhase::ResamplingDone, afterResampling(true)},
};

class MainWindowControlsTest : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(MainWindowControlsTest, EachPhaseEnablesWhatItsRunsAllow) {
  AnalysisState state;
  GetParam().reach(state);
  EXPECT_EQ(mainWindowPhase(state), GetParam().phase);
  EXPECT_EQ(mainWindowControls(state), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Phases, MainWindowControlsTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST(MainWindowControls, NothingStartsOtherWorkWhileAResamplingRunGoes) {
  for (const char* method : {"b", "j"}) {
    AnalysisState state;
    resampling(state, method);
    const MainWindowControls c = mainWindowControls(state);
    EXPECT_FALSE(c.cmdOpenDataFile || c.cmdBasicRun || c.cmdBootstrap || c.cmdJackknife || c.Command6 ||
                 c.cmdCompare2boots || c.Command4 || c.figureButtons || c.Command2 || c.Command23 ||
                 c.Command27 || c.Command28)
        << method;
  }
}

}  // namespace
}  // namespace vorelan
