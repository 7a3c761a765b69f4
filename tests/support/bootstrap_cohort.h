#pragma once
// A cohort ready for bootstrap replicates, as the bootstrap run finds it: the
// Basic Run's life table computed, the data file read again into the source
// cohort. Samples are then drawn, or given as a samples file would give them.
#include <cstdint>
#include <vector>

#include "datafile/bootstrap_reader.h"
#include "platform/background_work.h"
#include "resampling/bootstrap_samples.h"
#include "resampling/bootstrap_samples_file.h"
#include "support/cohort_generator.h"
#include "support/life_table_run.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

// Progress that is only counted; a stop is asked for once `stopAfter` reports came.
class CountedProgress : public WorkProgress {
 public:
  explicit CountedProgress(int stopAfter = -1) : stopAfter_(stopAfter) {}
  void report(std::int64_t done, std::int64_t total) override {
    ++reports;
    lastDone = done;
    lastTotal = total;
  }
  bool stopRequested() const override { return stopAfter_ >= 0 && reports >= stopAfter_; }

  int reports = 0;
  std::int64_t lastDone = 0;
  std::int64_t lastTotal = 0;

 private:
  int stopAfter_;
};

struct BootstrapCohort {
  GeneratedCohort cohort;
  ScriptedPlatform script;
  TempDir dir;
  AnalysisState state;

  explicit BootstrapCohort(GeneratedCohort generated) : cohort(std::move(generated)) {
    Platform platform = script.platform();
    cohort.loadInto(state, platform);
    runLifeTableSteps(state, script);
    state.report.DataFileName = dir.write("cohort.txt", cohort.fileText());
    InputDataForBootstrap(state, platform);
  }

  int size() const { return static_cast<int>(cohort.individuals.size()); }

  void drawSamples(std::int32_t replicates, int sampleSize) {
    drawBootstrapSamples(state, BootstrapSize{replicates, sampleSize}, script);
  }

  // Samples as the sibling's file would give them: each row the individuals
  // listed, lambda(b) of each.
  void takeSamples(const std::vector<std::vector<int>>& rows, const std::vector<double>& lambdas) {
    BootstrapSamples samples;
    samples.replicates = static_cast<std::int32_t>(rows.size());
    samples.sampleSize = static_cast<int>(rows.front().size());
    samples.individuals.reset(rows.size() + 1, rows.front().size() + 1);
    samples.r0.reset(rows.size() + 1);
    samples.lambda.reset(rows.size() + 1);
    for (std::size_t b = 1; b <= rows.size(); ++b) {
      for (std::size_t i = 1; i <= rows[b - 1].size(); ++i)
        samples.individuals(b, i) = static_cast<std::int16_t>(rows[b - 1][i - 1]);
      samples.r0(b) = 1;
      samples.lambda(b) = lambdas[b - 1];
    }
    takeBootstrapSamples(state, std::move(samples));
  }

  // The individuals of replicate b, position by position.
  std::vector<int> sample(std::int32_t b) const {
    std::vector<int> individuals;
    const auto& rows = replicateSamples(state.bootstrap);
    for (int i = 1; i <= state.bootstrap.BootSampleSize; ++i) individuals.push_back(rows(b, i));
    return individuals;
  }

  // The cohort of the given individuals, in their order, as a data file of its own.
  GeneratedCohort cohortOf(const std::vector<int>& individuals) const {
    GeneratedCohort sub = cohort;
    sub.individuals.clear();
    for (int k : individuals) sub.individuals.push_back(cohort.individuals[static_cast<std::size_t>(k - 1)]);
    return sub;
  }
};

}  // namespace vorelan::testing
