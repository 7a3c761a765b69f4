#pragma once
// A bootstrap run's state after its replicates, filled by hand: a cohort of
// three stages (egg, larva, adult) and two sex lines, B replicates of n = 3.
#include <string>
#include <vector>

#include "model/analysis_state.h"

namespace vorelan::testing {

inline void setUpBootstrapState(AnalysisState& state, int replicates) {
  state.header.ProjectName = "Mites";
  state.header.ResearcherName = "Ana";
  state.header.ExperimentDate = "2026-01-02";
  state.header.NumStages = 3;
  state.header.NumSexes = 2;
  state.header.SexName(1) = "F";
  state.header.SexName(2) = "M";
  state.header.StageName(1, 1) = "Egg";
  state.header.StageName(1, 2) = "Larva";
  state.header.StageName(1, 3) = "Female";
  state.header.StageName(1, 4) = "Male";
  state.bootstrap.NumBootstrap = replicates;
  state.bootstrap.BootSampleSize = 3;
  state.bootstrap.sizeResultsFor(replicates);
  state.bootstrap.BootR0.reset(static_cast<std::size_t>(replicates) + 1);
  state.bootstrap.BootLambda.reset(static_cast<std::size_t>(replicates) + 1);
}

inline void setReplicates(Array1<double>& values, const std::vector<double>& byReplicate) {
  for (std::size_t b = 0; b < byReplicate.size(); ++b) values(b + 1) = byReplicate[b];
}

}  // namespace vorelan::testing
