#pragma once
// The file of a second treatment's bootstrap results, compared with the
// present run's: three title fields, a label and the sample size N2, a label
// and the number of values B2, then B2 pairs of an index and a value.
#include <optional>
#include <string>
#include <vector>

namespace vorelan {

inline constexpr int MinCompareCount = 2;
inline constexpr int MaxCompareCount = 200010;

struct SecondTreatment {
  std::string CompareTitle1;  // the treatment's name in the comparison
  std::string CompareTitle2;
  std::string CompareTitle3;
  int CompareSampleSize = 0;         // N2
  std::vector<double> CompareValue;  // the B2 values, in the order read
};

struct SecondTreatmentRead {
  std::optional<SecondTreatment> treatment;
  std::string fault;  // what is wrong, naming the field, when nothing was read
};

// Reads and checks the whole text. The index read with each value is not
// used: the values are kept in the order of the file. Refused: a field that
// is missing or cannot be read as its kind, N2 not above 0, B2 outside
// 2..200,010, values whose sum of squares overflows.
SecondTreatmentRead readSecondTreatment(const std::string& content);

}  // namespace vorelan
