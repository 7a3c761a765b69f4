#pragma once
// Span, lifetime consumption and longevity statistics, and the per-age
// consumption of the cohort.
#include <cstdint>

#include "arrays.h"
#include "limits.h"

namespace vorelan {

struct SpanStatistics {
  static constexpr std::size_t SexLines = limits::MaxSexLines + 1;

  Array1<double> SpanStageNo{3};
  double SpanFirstStage = 0;
  double SpanLastStage = 0;
  std::int32_t SpanN = 0;
  double SpanSum = 0;
  double SpanSumSq = 0;
  double SpanMean = 0;
  double SpanSD = 0;
  Array1<std::int32_t> SexSpanN{SexLines};
  Array1<double> SexSpanSum{SexLines}, SexSpanSumSq{SexLines}, SexSpanMean{SexLines},
      SexSpanSD{SexLines};
  Array1<std::int32_t> SexLifetimeConsN{SexLines};
  Array1<double> SexLifetimeConsSum{SexLines}, SexLifetimeConsSumSq{SexLines},
      SexLifetimeConsMean{SexLines}, SexLifetimeConsSD{SexLines};
  double LifetimeConsMean = 0;
  double LifetimeConsSD = 0;
  double LifetimeConsSE = 0;
};

struct LongevityStatistics {
  static constexpr std::size_t Ages = limits::MaxAgeIndex + 1;
  static constexpr std::size_t Stages = limits::StageColumns;

  // Per individual, sized for the cohort.
  Array1<double> TotalConsumption;
  Array1<double> Longevity;  // days
  Array1<std::int16_t> LastAge;
  Array1<double> PreadultConsumption;

  double MeanLongevity = 0, SDLongevity = 0, SELongevity = 0;
  double MinLongevity = 0, MaxLongevity = 0;
  double MaxFemaleLongevity = 0, MaxMaleLongevity = 0;
  Array1<double> StageDurMin{Stages}, StageDurMax{Stages};

  Array1<std::int16_t> AgeN{Ages};
  Array1<double> AgeMeanDailyConsumption{Ages}, AgeDailyConsumptionSD{Ages},
      AgeDailyConsumptionSE{Ages};
  double MaxDailyConsumption = 0;
  double MaxLifetimeConsumption = 0;
  std::int32_t Nc = 0;  // individuals with a lifetime consumption above 0
  double NcConsumptionSum = 0;
  double Cbar = 0;      // their mean lifetime consumption

  // Pre-adult consumption (stages 1..K-1) of the whole cohort and of each sex
  // letter, and the extremes of the lifetime consumption, filled by the table
  // of the stage consumption of each individual. Counts are held as doubles.
  double PreadultConsN = 0, PreadultConsSum = 0, PreadultConsSumSq = 0;
  double PreadultConsMean = 0, PreadultConsSD = 0, PreadultConsSE = 0;
  double PreadultConsMax = 0, PreadultConsMin = 0;
  double PreadultConsFN = 0, PreadultConsFSum = 0, PreadultConsFSumSq = 0;
  double PreadultConsFMean = 0, PreadultConsFSD = 0, PreadultConsFSE = 0;
  double PreadultConsMN = 0, PreadultConsMSum = 0, PreadultConsMSumSq = 0;
  double PreadultConsMMean = 0, PreadultConsMSD = 0, PreadultConsMSE = 0;
  double PreadultConsNN = 0, PreadultConsNSum = 0, PreadultConsNSumSq = 0;
  double PreadultConsNMean = 0, PreadultConsNSD = 0, PreadultConsNSE = 0;
  double LifetimeConsMax = 0, LifetimeConsMin = 0;
  double MaxMaleConsumption = 0, MaxFemaleConsumption = 0;
};

}  // namespace vorelan
