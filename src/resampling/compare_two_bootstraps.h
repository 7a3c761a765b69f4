#pragma once
// The t-test of the difference between the present bootstrap's mean C0
// (treatment 1) and a second treatment's bootstrap mean.
#include <optional>

#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "resampling/second_treatment_file.h"

namespace vorelan {

inline constexpr const char* CompareOutputSuffix = "_6-Compare2Bs-output.txt";

struct BootstrapComparison {
  double CompareMean = 0;
  double CompareVar = 0;  // variance of the B2 values, never below 0
  double CompareSE = 0;   // its square root: the bootstrap S.E.
  double CompareT = 0;
};

// Both variances are variances of bootstrap values, that is, squared
// standard errors of the two means, so
//   t = |mean2 - mean1| / sqrt(Var1 + Var2).
// Nothing when the root is 0 (no spread in either treatment).
std::optional<BootstrapComparison> compareBootstraps(double mean1, double var1,
                                                     const SecondTreatment& second);

// "_6-Compare2Bs-output.txt": both treatments side by side and the t-value,
// as file 3. False when the file could not be written (it is noted then).
bool printComparison(AnalysisState& state, Platform& platform);

}  // namespace vorelan
