#pragma once
// Statistics of stage durations and stage consumption, overall and by sex line.
// Durations are in days (time units x TimeUnit).
#include <cstdint>

#include "arrays.h"
#include "limits.h"

namespace vorelan {

struct StageStatistics {
  static constexpr std::size_t Stages = limits::StageColumns;
  static constexpr std::size_t Slots = limits::StageNameSlots;
  static constexpr std::size_t SexLines = limits::MaxSexLines + 1;

  Array1<std::int32_t> StageDurN{Stages};
  Array1<double> StageDurSum{Stages}, StageDurSumSq{Slots}, StageDurMean{Stages},
      StageDurSD{Stages};
  Array1<std::int32_t> StageDurSampleSize{Stages};

  Array1<std::int32_t> CumDurN{Stages};
  Array1<double> CumDurSum{Stages}, CumDurSumSq{Stages}, CumDurMean{Stages}, CumDurVar{Stages},
      CumDurSD{Stages}, CumDurSE{Stages};

  Array2<std::int32_t> SexStageDurN{SexLines, Stages};
  Array2<double> SexStageDurSum{SexLines, Stages}, SexStageDurSumSq{SexLines, Stages},
      SexStageDurMean{SexLines, Stages}, SexStageDurSD{SexLines, Stages};

  Array2<std::int32_t> SexCumDurN{SexLines, Stages};
  Array2<double> SexCumDurSum{SexLines, Stages}, SexCumDurSumSq{SexLines, Stages},
      SexCumDurMean{SexLines, Stages}, SexCumDurSD{SexLines, Stages};

  Array1<std::int32_t> StageConsN{Stages};
  Array1<double> StageConsSum{Stages}, StageConsSumSq{Stages}, StageConsMean{Stages},
      StageConsSD{Stages}, StageConsMin{Stages}, StageConsMax{Stages};
  Array1<std::int32_t> StageConsSampleSize{Stages};

  Array2<std::int32_t> SexStageConsN{SexLines, Stages};
  Array2<double> SexStageConsSum{SexLines, Stages}, SexStageConsSumSq{SexLines, Stages},
      SexStageConsMean{SexLines, Stages}, SexStageConsSD{SexLines, Stages};
  Array2<std::int32_t> SexStageConsSampleSize{SexLines, Stages};

  // Per individual: age at the end of each stage (time units) and the
  // pre-adult duration (days). Sized for the cohort by the stage statistics.
  Array2<double> CumDuration;
  Array1<double> PreadultDuration;

  std::int16_t MaxAge = 0;      // last age index of the age-stage tables
  std::int16_t OrigMaxAge = 0;  // MaxAge of the data themselves
};

}  // namespace vorelan
