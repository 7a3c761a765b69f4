// The labels of the resampling result window.
#include <gtest/gtest.h>

#include <cmath>

#include "results/finished_runs.h"
#include "results/resampling_result.h"

namespace vorelan {
namespace {

AnalysisState stateAfter(const std::string& method, const std::string& done) {
  AnalysisState state;
  state.header.ProjectName = "Mites";
  state.run.BasicRunDone = "yes";
  state.run.ResampleMethod = method;
  state.run.ResamplingDone = done;
  state.jackknife.JackMean = 0.125;
  state.jackknife.JackSE = 0.375;
  state.bootstrap.BootC0Mean = 12.5;
  state.bootstrap.BootC0SE = 3;
  return state;
}

TEST(ResamplingResult, ShowsTheMeanAndStandardErrorOfTheRunThatFinished) {
  const struct {
    std::string method, done;
    ResamplingResultLabels shown;
  } cases[] = {
      {"", "", {"Mites", "-", "-"}},            // before any run
      {"j", "", {"Mites", "-", "-"}},           // after the Basic Run only
      {"j", "yes", {"Mites", "0.12", "0.38"}},  // jackknife: halves to even
      {"b", "yes", {"Mites", "12.5", "3"}},     // bootstrap
      {"b", "", {"Mites", "-", "-"}},           // a bootstrap still running
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JackBootResult(stateAfter(c.method, c.done)), c.shown) << c.method << "/" << c.done;
  }
}

TEST(ResamplingResult, AStandardErrorThatIsNoNumberShowsADash) {
  AnalysisState state = stateAfter("j", "yes");
  state.jackknife.JackSE = std::nan("");
  EXPECT_EQ(JackBootResult(state).se, "-");
}

// While a resampling run reads the data file again, the project shown is the
// Basic Run's.
TEST(ResamplingResult, TheProjectIsTheBasicRunsOnceKept) {
  AnalysisState state = stateAfter("j", "");
  EXPECT_EQ(JackBootResult(state).project, "Mites");  // no Basic Run kept yet
  state.basicRun.kept = true;
  state.basicRun.ProjectName = "Mites of the Basic Run";
  state.header.ProjectName = "being read again";
  EXPECT_EQ(JackBootResult(state).project, "Mites of the Basic Run");
}

TEST(FinishedRuns, ChangeWhenARunFinishes) {
  AnalysisState state;
  const FinishedRuns atStart = finishedRuns(state);
  state.run.BasicRunDone = "yes";
  const FinishedRuns afterBasicRun = finishedRuns(state);
  EXPECT_NE(afterBasicRun, atStart);
  state.run.ResampleMethod = "b";
  EXPECT_EQ(finishedRuns(state), afterBasicRun);  // running is not finished
  state.run.ResamplingDone = "yes";
  EXPECT_NE(finishedRuns(state), afterBasicRun);
  const FinishedRuns afterBootstrap = finishedRuns(state);
  state.run.SASDRead = "Yes";
  EXPECT_NE(finishedRuns(state), afterBootstrap);
}

}  // namespace
}  // namespace vorelan
