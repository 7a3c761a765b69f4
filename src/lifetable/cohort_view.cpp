#include "lifetable/cohort_view.h"

namespace vorelan {

std::uint8_t sexLinesOf(const CohortHeader& header, const std::string& sex) {
  std::uint8_t lines = 0;
  for (int s = 1; s <= header.NumSexes; ++s) {
    if (sex == header.SexName(s)) lines = static_cast<std::uint8_t>(lines | (1u << s));
  }
  return lines;
}

IndividualView individualView(const CohortHeader& header, const Array1<std::string>& sex,
                              const Array2<double>& stageDuration, const Array2<double>& stageConsumption,
                              int i) {
  IndividualView view;
  view.stageDuration = &stageDuration(i, 0);
  view.stageConsumption = &stageConsumption(i, 0);
  view.sexLines = sexLinesOf(header, sex(i));
  view.female = sex(i) == "F";
  return view;
}

CohortView workingCohortView(const AnalysisState& state) {
  CohortView view;
  view.numSexes = state.header.NumSexes;
  view.numStages = state.header.NumStages;
  view.timeUnit = state.run.TimeUnit;
  const CohortRecords& cohort = state.cohort;
  for (int i = 1; i <= state.header.NumIndividuals; ++i)
    view.positions.push_back(
        individualView(state.header, cohort.Sex, cohort.StageDuration, cohort.StageConsumption, i));
  return view;
}

}  // namespace vorelan
