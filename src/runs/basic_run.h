#pragma once
// Basic Run: reads the cohort and runs every computation and printer of the
// age-stage, two-sex life table with consumption, in a fixed order.
#include <functional>
#include <span>

#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

using AnalysisStep = void (*)(AnalysisState&, Platform&);

// What a step does: the tests of the life table repeat the computing steps
// in the driver's own order.
enum class StepRole { Checks, Reads, Computes, Prints };

struct NamedStep {
  const char* name;
  AnalysisStep run;
  StepRole role;
};

// The steps of the Basic Run in their order.
std::span<const NamedStep> basicRunOrder();

// The files for statistics packages, written after the first figure is drawn.
std::span<const NamedStep> basicRunClosingWrites();

enum class BasicRunOutcome { Computed, AlreadyDone };

// Runs the analysis once per run of the program; a later call only closes
// the report. The bytes of the data file analysed are kept for the
// resampling runs (AnalysisState::analysedDataFile). `lifeTableReady` runs
// once the life table is computed, before the files for statistics packages
// are written: there the window enables its result buttons and draws c(x,j).
BasicRunOutcome BasicRun(AnalysisState& state, Platform& platform,
                         const std::function<void()>& lifeTableReady = {});

}  // namespace vorelan
