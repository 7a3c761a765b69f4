#include <optional>
#include <string>
#include <vector>

#include "report/mean_daily_consumption_tables.h"
#include "report/report_writer.h"
#include "report/weighting_coefficient_table.h"

namespace vorelan {
namespace {

std::optional<double> optionalCount(double n) {
  return n != 0 ? std::optional<double>(n) : std::nullopt;
}

}  // namespace

void PrintDailyMeanConsumptionBasedonMeans(AnalysisState& state, Platform& /*platform*/) {
  const CohortHeader& header = state.header;
  const StageStatistics& st = state.stageStats;
  AgeVectors& av = state.ageVectors;
  const int m = header.NumStages;
  const int female = femaleSexLine(header);
  const int male = maleSexLine(header);

  // c(j) of the stages whose mean duration is not 0, per day; 0 elsewhere.
  std::vector<double> cj(static_cast<std::size_t>(m) + 2, 0.0);
  std::vector<bool> formed(static_cast<std::size_t>(m) + 2, false);
  LargestDailyMean maximum;
  for (int j = 1; j < m; ++j) {
    if (st.StageDurMean(j) == 0) continue;
    cj[j] = st.StageConsMean(j) / st.StageDurMean(j);
    formed[j] = true;
    av.CjFromMeans(j) = cj[j];
    maximum.consider(cj[j], header.StageName(1, j));
  }
  // Each adult sex on its own: a cohort without males keeps its female value.
  const auto adult = [&](int sexLine, int column, const char* name) {
    if (sexLine == 0 || st.SexStageDurMean(sexLine, m) == 0) return;
    cj[column] = st.SexStageConsMean(sexLine, m) / st.SexStageDurMean(sexLine, m);
    formed[column] = true;
    av.CjFromMeans(column) = cj[column];
    maximum.consider(cj[column], name);
  };
  adult(female, m, "Female");
  adult(male, m + 1, "Male");

  av.MaxCj = maximum.value.value_or(0);
  av.MaxCjStageName = maximum.value ? maximum.name : header.StageName(1, 1);
  // s(x,j) counts time units: c(j) per time unit makes the sum comparable with C0.
  av.CjCheckSumFromMeans = weightedSurvivalSum(state, cj, state.run.TimeUnit);

  WeightingTable table;
  table.basis = "(Based on stage mean consumption rate and mean duration)";
  table.maxCj = av.MaxCj;
  table.maxCjStageName = av.MaxCjStageName;
  for (int j = 1; j < m; ++j) {
    table.rows.push_back({header.StageName(1, j), "All", optionalCount(st.StageDurN(j)),
                          formed[j] ? std::optional<double>(cj[j]) : std::nullopt});
  }
  const auto adultRow = [&](int sexLine, int column, const char* group) {
    const double n = sexLine != 0 ? st.SexStageConsN(sexLine, m) : 0;
    table.rows.push_back({"Adult", group, optionalCount(n),
                          formed[column] ? std::optional<double>(cj[column]) : std::nullopt});
  };
  adultRow(female, m, "Female");
  adultRow(male, m + 1, "Male");
  table.checkSum = av.CjCheckSumFromMeans;
  table.checkSumDecimals = 2;
  printWeightingTable(state, table);

  TextOutputFile& out = state.files.file3;
  printTo(out)
      .tab(5)
      .text("If it is significantly different from the net predation rate, don't")
      .endLine();
  printTo(out).tab(5).text("use these c(j) and w(j).").endLine();
  printTo(out).tab(5).text("This data show you the problem of \"unweighted\" means.").endLine();
}

}  // namespace vorelan
