#pragma once
// The comparison of the present bootstrap's C0 (treatment 1) with a second
// treatment's bootstrap values read from a file.
#include <string>
#include <vector>

namespace vorelan {

struct ComparisonState {
  std::string CompareFileName;
  std::string CompareTitle1, CompareTitle2, CompareTitle3;
  int CompareSampleSize = 0;         // N2
  std::vector<double> CompareValue;  // the B2 values of treatment 2
  double CompareMean = 0;
  double CompareVar = 0;
  double CompareSE = 0;
  double CompareT = 0;
  bool ComparisonDone = false;  // one comparison per bootstrap run

  bool operator==(const ComparisonState&) const = default;
};

}  // namespace vorelan
