#pragma once
// Basic Run results set cell by cell, for the edge cases of the result windows.
#include <string>

#include "model/basic_run_results.h"
#include "model/limits.h"

namespace vorelan::testing {

// K stages named S1.. (the adult columns "Fema" and "Male"), ages 0..maxAge,
// every stage column occupied at every age and every value 0.
inline BasicRunResults handBuiltResults(int stages, int maxAge) {
  BasicRunResults r;
  r.kept = true;
  r.ProjectName = "Hand built";
  r.ReportFileName = "/data/hand_0_Basic_Output.txt";
  r.NumIndividuals = 10;
  r.NumStages = static_cast<std::int16_t>(stages);
  r.MaxAge = static_cast<std::int16_t>(maxAge);
  const std::size_t ages = static_cast<std::size_t>(maxAge) + 1;
  const std::size_t columns = limits::StageColumns;
  r.StageName.reset(static_cast<std::size_t>(stages) + 2);
  for (int j = 1; j < stages; ++j) r.StageName(static_cast<std::size_t>(j)) = "S" + std::to_string(j);
  r.StageName(static_cast<std::size_t>(stages)) = "Fema";
  r.StageName(static_cast<std::size_t>(stages) + 1) = "Male";
  r.StageAgeRange.reset(limits::StageNameSlots, 3);
  for (std::size_t j = 1; j < columns; ++j) r.StageAgeRange(j, 2) = maxAge;
  for (auto* matrix : {&r.Sxj, &r.Gxj, &r.Dxj, &r.Cxj}) matrix->reset(ages, columns);
  r.Lx.reset(ages);
  r.Kx.reset(ages);
  for (auto* n : {&r.StageConsN, &r.StageDurN}) n->reset(columns);
  for (auto* v : {&r.StageConsMean, &r.StageConsSD, &r.StageDurMean, &r.StageDurSD}) v->reset(columns);
  return r;
}

}  // namespace vorelan::testing
