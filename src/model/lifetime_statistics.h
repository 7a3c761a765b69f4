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
};

}  // namespace vorelan
