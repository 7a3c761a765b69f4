#pragma once
// What the result windows show of the Basic Run, kept when it ends. A later
// jackknife or bootstrap run recomputes the shared matrices and statistics
// pass by pass and leaves the last pass in them; the windows that say they
// show the Basic Run read this copy instead.
#include <cstdint>
#include <string>

#include "arrays.h"

namespace vorelan {

struct BasicRunResults {
  bool kept = false;  // true once a Basic Run has ended

  std::string ProjectName;
  std::string ReportFileName;  // the basic report
  std::int32_t NumIndividuals = 0;
  std::int16_t NumStages = 0;
  std::int16_t MaxAge = 0;
  // Row 1 of the stage names as the Basic Run left them (adult columns
  // "Female" and "Male", every name cut short), columns 0..K+1.
  Array1<std::string> StageName;
  Array2<double> StageAgeRange;  // (column, 1) first and (column, 2) last age
  Array2<double> Sxj, Gxj, Dxj, Cxj;
  Array1<double> Lx, Kx;

  Array1<std::int32_t> StageConsN;
  Array1<double> StageConsMean, StageConsSD;
  Array1<std::int32_t> StageDurN;
  Array1<double> StageDurMean, StageDurSD;

  double LifetimeConsMean = 0;
  double LifetimeConsSD = 0;
  double LifetimeConsSE = 0;
};

}  // namespace vorelan
