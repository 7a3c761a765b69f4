#include "resampling/bootstrap_samples.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace vorelan {
namespace {

// Copies source individual k into position i of the working cohort and adds
// its age-stage consumption to T(x,j).
void copyIndividual(AnalysisState& state, int i, int k) {
  const SourceCohort& source = state.source;
  CohortRecords& cohort = state.cohort;
  const int m = state.header.NumStages;
  cohort.Sex(i) = source.SourceSex(k);
  for (int j = 1; j <= m; ++j) {
    cohort.StageDuration(i, j) = source.SourceStageDuration(k, j);
    cohort.StageConsumption(i, j) = source.SourceStageConsumption(k, j);
  }
  const int lastAge = sourceLastAge(source);
  for (int x = 0; x <= lastAge; ++x) {
    cohort.DailyConsumption(i, x) = source.SourceDailyConsumption(k, x);
    for (int j = 1; j <= m + 1; ++j) cohort.Txj(x, j) += source.SourceStageDailyConsumption(k, x, j);
  }
}

void buildReplicate(AnalysisState& state, const Array2<std::int16_t>& samples) {
  const std::int32_t b = state.bootstrap.BootNo;
  const int n = state.bootstrap.BootSampleSize;
  state.header.NumIndividuals = n;
  state.cohort.resizeFor(n);
  state.matrices.Cxj.clear();
  state.header.MaxAgeRead = 0;
  for (int i = 1; i <= n; ++i) copyIndividual(state, i, samples(b, i));
}

}  // namespace

int sourceLastAge(const SourceCohort& source) {
  return std::min(static_cast<int>(std::nearbyint(source.SourceMaxAge)), limits::MaxAgeIndex);
}

void drawBootstrapSamples(AnalysisState& state, const BootstrapSize& size, RandomNumbers& random) {
  BootstrapState& boot = state.bootstrap;
  boot.SameBootSamples = "No";
  boot.NumBootstrap = size.replicates;
  boot.BootSampleSize = static_cast<std::int16_t>(size.sampleSize);
  boot.SameBootSample = Array2<std::int16_t>();
  boot.BootSample.reset(static_cast<std::size_t>(size.replicates) + 1, static_cast<std::size_t>(size.sampleSize) + 1);
  std::mt19937_64 generator(random.runSeed());
  std::uniform_int_distribution<int> individual(1, state.source.NumSourceIndividuals);
  for (std::int32_t b = 1; b <= size.replicates; ++b) {
    for (int i = 1; i <= size.sampleSize; ++i) boot.BootSample(b, i) = static_cast<std::int16_t>(individual(generator));
  }
}

const Array2<std::int16_t>& replicateSamples(const BootstrapState& bootstrap) {
  return bootstrap.SameBootSamples == "Yes" ? bootstrap.SameBootSample : bootstrap.BootSample;
}

void Bootstrap(AnalysisState& state) { buildReplicate(state, state.bootstrap.BootSample); }

void BootstrapSameAsLifeTable(AnalysisState& state) { buildReplicate(state, state.bootstrap.SameBootSample); }

}  // namespace vorelan
