#include "resampling/bootstrap_replicates.h"

#include <memory>

#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "lifetable/stage_daily_mean_consumption.h"
#include "resampling/bootstrap_samples.h"
#include "resampling/calculate_sasd2.h"
#include "resampling/parallel_steps.h"
#include "resampling/replicate_engine.h"

namespace vorelan {
namespace {

bool sameSamples(const AnalysisState& state) { return state.bootstrap.SameBootSamples == "Yes"; }

void prepareResults(AnalysisState& state) {
  state.bootstrap.sizeResultsFor(state.bootstrap.NumBootstrap);
  state.header.NumIndividuals = state.bootstrap.BootSampleSize;
}

}  // namespace

void computeReplicateLiterally(AnalysisState& state) {
  if (sameSamples(state)) {
    BootstrapSameAsLifeTable(state);
  } else {
    Bootstrap(state);
  }
  Life01Boot(state);
  life03boot(state);
  CalculateStageDailyMeanConsumpBoot(state);
  Life05Boot(state);
  if (sameSamples(state)) CalculateSASD2(state);
}

WorkOutcome runBootstrapReplicates(AnalysisState& state, WorkProgress& progress, int threads) {
  prepareResults(state);
  const std::int32_t replicates = state.bootstrap.NumBootstrap;
  const ReplicateEngine engine(state);
  BootstrapState& results = state.bootstrap;
  const WorkOutcome outcome = runStepsInParallel(replicates, threads, progress, [&]() -> ParallelStep {
    std::shared_ptr<ReplicateEngine::Workspace> work = engine.workspace();
    return [&engine, &results, work](std::int32_t b) { engine.computeReplicate(b, *work, results); };
  });
  if (outcome == WorkOutcome::Stopped) return outcome;
  state.bootstrap.BootNo = replicates;
  computeReplicateLiterally(state);
  return WorkOutcome::Finished;
}

WorkOutcome runBootstrapReplicatesLiterally(AnalysisState& state, WorkProgress& progress) {
  prepareResults(state);
  const std::int32_t replicates = state.bootstrap.NumBootstrap;
  for (std::int32_t b = 1; b <= replicates; ++b) {
    if (progress.stopRequested()) return WorkOutcome::Stopped;
    state.bootstrap.BootNo = b;
    computeReplicateLiterally(state);
    progress.report(b, replicates);
  }
  return WorkOutcome::Finished;
}

}  // namespace vorelan
