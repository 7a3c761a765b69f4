#pragma once
// The layout shared by the two tables of mean daily consumption rate and
// weighting coefficient: head, one row per stage and adult sex, check sum.
#include <optional>
#include <string>
#include <vector>

#include "model/analysis_state.h"

namespace vorelan {

struct WeightingRow {
  std::string stage;         // column 5
  std::string group;         // "All", "Female" or "Male"
  std::optional<double> n;   // nothing: "0"
  std::optional<double> cj;  // nothing: " 0" for c(j) and w(j)
};

struct WeightingTable {
  std::string basis;  // the line under the title
  double maxCj = 0;
  std::string maxCjStageName;
  std::vector<WeightingRow> rows;
  double checkSum = 0;
  int checkSumDecimals = 4;
};

// The largest c(j) met so far and the label of its column; ties keep the
// earlier column.
struct LargestDailyMean {
  std::optional<double> value;
  std::string name;

  void consider(double cj, const std::string& columnName) {
    if (!value || cj > *value) {
      value = cj;
      name = columnName;
    }
  }
};

// Prints the table to the basic report. w(j) = c(j) / maxCj; when every c(j)
// is 0 there is no coefficient to form and w(j) prints " 0".
void printWeightingTable(AnalysisState& state, const WeightingTable& table);

// The sex line of the female and of the male adults: the lines labelled "F"
// and "M" (0 when the header has none).
int femaleSexLine(const CohortHeader& header);
int maleSexLine(const CohortHeader& header);

// Sum over every age 0..MaxAge and stage column 1..m+1 of c(j) * s(x,j), with
// c(j) taken per time unit (`perTimeUnit` times the given c(j)).
double weightedSurvivalSum(const AnalysisState& state, const std::vector<double>& cj,
                           double perTimeUnit);

}  // namespace vorelan
