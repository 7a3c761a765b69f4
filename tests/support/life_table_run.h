#pragma once
// Runs the life-table computations of the Basic Run on the text of a data
// file, for the tests of the single steps.
#include <string>
#include <vector>

#include "datafile/field_reader.h"
#include "datafile/raw_data_reader.h"
#include "runs/basic_run.h"
#include "support/cohort_text.h"
#include "support/scripted_platform.h"

namespace vorelan::testing {

inline const std::vector<std::string> ThreeStages = {"Egg", "Larva", "Adult"};
inline const std::vector<std::string> FourStages = {"Egg", "Larva", "Pupa", "Adult"};

// Reads the data file text with the given time unit.
inline void readInto(AnalysisState& state, const std::string& text, double timeUnit,
                     ScriptedPlatform& script) {
  state.run.TimeUnit = timeUnit;
  FieldReader reader(text);
  Platform platform = script.platform();
  InputDataA(state, reader, platform);
}

// Every computation of the Basic Run, in the driver's own order.
inline void runLifeTableSteps(AnalysisState& state, ScriptedPlatform& script) {
  Platform platform = script.platform();
  for (const NamedStep& step : basicRunOrder())
    if (step.role == StepRole::Computes) step.run(state, platform);
}

// The state after reading the records and running the computations.
struct LifeTable {
  ScriptedPlatform script;
  AnalysisState state;

  LifeTable(const std::vector<std::string>& stages, const std::vector<std::string>& records,
            double timeUnit = 1, int numSexes = 3) {
    readInto(state, cohortFile(stages, records, numSexes), timeUnit, script);
    runLifeTableSteps(state, script);
  }
};

}  // namespace vorelan::testing
