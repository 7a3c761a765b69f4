#pragma once
// State of the bootstrap run: the samples, what the sibling program's
// samples file gave, and the results of every replicate. Row b = 1..B of each
// per-replicate array belongs to replicate b (row 0 is not used); the arrays
// are sized to the B and n of the run, never to the limits.
#include <cstdint>
#include <string>

#include "arrays.h"
#include "limits.h"

#include "frequency_classes.h"

namespace vorelan {

struct BootstrapState {
  static constexpr std::size_t Stages = limits::StageColumns;
  static constexpr std::size_t SexLines = limits::MaxSexLines + 1;

  // Individuals drawn into each bootstrap sample; the file's N by default.
  std::int16_t BootSampleSize = 0;
  std::int32_t NumBootstrap = 0;  // B, the number of replicates
  std::int32_t BootNo = 0;        // the replicate being computed; 0: the data themselves
  std::string SameBootSamples;    // "Yes": the samples of the sibling program's file; "No": new samples

  // The source individual at position i = 1..n of replicate b, (b, i). A
  // new-samples run draws them into BootSample; a same-samples run takes the
  // file's into SameBootSample and computes from there (BootSample then stays
  // empty rather than holding a second copy of up to 200,010 samples).
  Array2<std::int16_t> BootSample;
  Array2<std::int16_t> SameBootSample;

  // From the samples file: Ro and lambda of each sample, and the file's
  // statistics of both over the samples and for all individuals.
  Array1<double> BootR0, BootLambda;
  double SamplesR0Mean = 0, SamplesR0Var = 0, SamplesR0SE = 0, OrigR0 = 0;
  double SamplesLambdaMean = 0, SamplesLambdaVar = 0, SamplesLambdaSE = 0, OrigLambda = 0;

  // Per replicate: C0, the stage means of the stage statistics (b, j) and by
  // sex line (b, s, j), the stage daily mean consumption (j, b), and with the
  // sibling's samples the stable and finite predation rates.
  Array1<double> BootC0;
  Array2<double> BootStageDurMean, BootCumDurMean, BootStageConsMean;
  Array3<double> BootSexStageConsMean;
  Array2<double> BootStageDailyMeanConsumption;
  Array1<double> BootPsi, BootOmega;

  // The last replicate's stable age-stage distribution: a(x,j) before and
  // after normalising, a copy of a(x,j), and the sum of a(x,j).
  Array2<double> SASDBootRaw{limits::MaxAgeIndex + 1, Stages};
  Array2<double> SASDBootWork{limits::MaxAgeIndex + 1, Stages};
  Array2<double> SASDBoot{limits::MaxAgeIndex + 1, Stages};
  double SASDBootTotal = 0;

  // Sizes every per-replicate result for replicates 1..replicates, all cleared.
  void sizeResultsFor(std::int32_t replicates) {
    const auto rows = static_cast<std::size_t>(replicates) + 1;
    BootC0.reset(rows);
    BootStageDurMean.reset(rows, Stages);
    BootCumDurMean.reset(rows, Stages);
    BootStageConsMean.reset(rows, Stages);
    BootSexStageConsMean.reset(rows, SexLines, Stages);
    BootStageDailyMeanConsumption.reset(Stages, rows);
    BootPsi.reset(rows);
    BootOmega.reset(rows);
  }

  // Mean, variance and S.E. of C0 over the replicates (the S.E. of a
  // bootstrap estimate is the S.D. of its replicate values).
  double BootC0Mean = 0;
  double BootC0Var = 0;
  double BootC0SE = 0;
  // BootC0Min, BootC0Max, BootClassWidth, BootClassBegin, BootClassCenter
  // and BootFrequency of the replicate values of C0.
  C0FrequencyClasses BootClasses;
};

}  // namespace vorelan
