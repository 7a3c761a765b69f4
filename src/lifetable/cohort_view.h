#pragma once
// The individuals a life-table step reads, by position 1..n, without copying
// their records: the working cohort, or a bootstrap sample that points into
// the source cohort (one source individual may fill several positions).
#include <cstdint>
#include <vector>

#include "model/analysis_state.h"

namespace vorelan {

struct IndividualView {
  const double* stageDuration = nullptr;     // indexed by stage 1..K, as StageDuration(i, j)
  const double* stageConsumption = nullptr;  // indexed by stage 1..K, as StageConsumption(i, j)
  std::uint8_t sexLines = 0;                 // bit s set when Sex(i) equals SexName(s)
  bool female = false;                       // Sex(i) is "F"
};

struct CohortView {
  int numSexes = 0;
  int numStages = 0;
  double timeUnit = 1;
  std::vector<IndividualView> positions;  // position i at index i - 1

  int size() const { return static_cast<int>(positions.size()); }
  const IndividualView& operator()(int i) const { return positions[static_cast<std::size_t>(i - 1)]; }
};

// The sex lines whose letter equals `sex`, one bit each (bit s for line s).
std::uint8_t sexLinesOf(const CohortHeader& header, const std::string& sex);

// One individual of a cohort's rows.
IndividualView individualView(const CohortHeader& header, const Array1<std::string>& sex,
                              const Array2<double>& stageDuration, const Array2<double>& stageConsumption,
                              int i);

// The working cohort's individuals 1..NumIndividuals.
CohortView workingCohortView(const AnalysisState& state);

}  // namespace vorelan
