#pragma once
// A cohort at the limits (400 individuals, 11 stages, lives near 404 time
// units) after Open data file and Basic Run, written to a fresh folder, as
// a resampling run finds it.
#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "support/cohort_generator.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::bench {

struct AnalysedCohort {
  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;

  AnalysedCohort() {
    script.inputAnswers = {"1"};
    script.chosenFiles = {dir.write("cohort.txt", testing::cohortAtTheLimits().fileText())};
    OpenDataFile(state, platform);
    BasicRun(state, platform);
  }
};

}  // namespace vorelan::bench
