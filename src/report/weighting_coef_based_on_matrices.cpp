#include <optional>
#include <string>
#include <vector>

#include "report/mean_daily_consumption_tables.h"
#include "report/weighting_coefficient_table.h"

namespace vorelan {

void PrintWeightingCoefBasedOnMatricesZandS(AnalysisState& state, Platform& /*platform*/) {
  const CohortHeader& header = state.header;
  const StageStatistics& st = state.stageStats;
  AgeVectors& av = state.ageVectors;
  const int m = header.NumStages;

  std::vector<double> cj(static_cast<std::size_t>(m) + 2, 0.0);
  for (int j = 1; j <= m + 1; ++j) cj[j] = av.CjFromMatrices(j);

  // The largest c(j) over every stage column, the adult columns named by sex.
  LargestDailyMean maximum;
  maximum.consider(cj[1], header.StageName(1, 1));
  for (int j = 2; j <= m + 1; ++j) {
    maximum.consider(cj[j], j < m ? header.StageName(1, j) : (j == m ? "Female" : "Male"));
  }
  av.MaxCj = *maximum.value;
  av.MaxCjStageName = maximum.name;
  av.CjCheckSumFromMatrices = weightedSurvivalSum(state, cj, 1.0);

  WeightingTable table;
  table.basis = "(Based on matrix B and N, or Z and Sxj)";
  table.maxCj = av.MaxCj;
  table.maxCjStageName = av.MaxCjStageName;
  const auto row = [&](const std::string& stage, const char* group, double n, double c) {
    if (n == 0) {
      table.rows.push_back({stage, group, std::nullopt, std::nullopt});
    } else {
      table.rows.push_back({stage, group, n, c});
    }
  };
  for (int j = 1; j < m; ++j) row(header.StageName(1, j), "All", st.StageDurN(j), cj[j]);
  const int female = femaleSexLine(header);
  const int male = maleSexLine(header);
  row("Adult", "Female", female != 0 ? st.SexStageConsN(female, m) : 0, cj[m]);
  row("Adult", "Male", male != 0 ? st.SexStageConsN(male, m) : 0, cj[m + 1]);
  table.checkSum = av.CjCheckSumFromMatrices;
  table.checkSumDecimals = 4;
  printWeightingTable(state, table);
}

}  // namespace vorelan
