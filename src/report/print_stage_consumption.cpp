#include "report/print_stage_consumption.h"

#include <cmath>
#include <string>

#include "report/effective_consumer_lines.h"
#include "report/individual_tables.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

constexpr StageCellLayout Cells{10, 10, 12, 13};

struct PreadultGroup {
  double& n;
  double& sum;
  double& sumSq;
  double& mean;
  double& sd;
  double& se;

  void clear() { n = sum = sumSq = mean = sd = se = 0; }
  void add(double v) {
    n += 1;
    sum += v;
    sumSq += v * v;
  }
  // Mean for n above 0, S.D. and S.E. for n above 1; otherwise they stay 0.
  void finish() {
    if (n == 0) return;
    mean = sum / n;
    if (n > 1) {
      const double variance = (sumSq - sum * sum / n) / (n - 1);
      sd = std::sqrt(variance > 0 ? variance : 0);
      se = sd / std::sqrt(n);
    }
  }
};

void formPreadultConsumption(AnalysisState& state) {
  LongevityStatistics& lg = state.longevity;
  const int n = state.header.NumIndividuals;
  const int m = state.header.NumStages;
  PreadultGroup all{lg.PreadultConsN,    lg.PreadultConsSum, lg.PreadultConsSumSq,
                    lg.PreadultConsMean, lg.PreadultConsSD,  lg.PreadultConsSE};
  PreadultGroup females{lg.PreadultConsFN,    lg.PreadultConsFSum, lg.PreadultConsFSumSq,
                        lg.PreadultConsFMean, lg.PreadultConsFSD,  lg.PreadultConsFSE};
  PreadultGroup males{lg.PreadultConsMN,    lg.PreadultConsMSum, lg.PreadultConsMSumSq,
                      lg.PreadultConsMMean, lg.PreadultConsMSD,  lg.PreadultConsMSE};
  PreadultGroup immatures{lg.PreadultConsNN,    lg.PreadultConsNSum, lg.PreadultConsNSumSq,
                          lg.PreadultConsNMean, lg.PreadultConsNSD,  lg.PreadultConsNSE};
  for (PreadultGroup* group : {&all, &females, &males, &immatures}) group->clear();

  lg.PreadultConsumption.reset(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) {
    double consumption = 0;  // stages never entered hold 0
    for (int j = 1; j <= m - 1; ++j) consumption += state.cohort.StageConsumption(i, j);
    lg.PreadultConsumption(i) = consumption;
    all.add(consumption);
    const std::string& sex = state.cohort.Sex(i);
    if (sex == "F") females.add(consumption);
    if (sex == "M") males.add(consumption);
    if (sex == "N") immatures.add(consumption);
  }
  for (PreadultGroup* group : {&all, &females, &males, &immatures}) group->finish();

  lg.PreadultConsMax = lg.PreadultConsMin = n > 0 ? lg.PreadultConsumption(1) : 0;
  lg.LifetimeConsMax = lg.LifetimeConsMin = n > 0 ? lg.TotalConsumption(1) : 0;
  lg.MaxMaleConsumption = lg.MaxFemaleConsumption = 0;
  for (int i = 1; i <= n; ++i) {
    const double preadult = lg.PreadultConsumption(i);
    if (preadult >= lg.PreadultConsMax) lg.PreadultConsMax = preadult;
    if (preadult <= lg.PreadultConsMin) lg.PreadultConsMin = preadult;
    const double total = lg.TotalConsumption(i);
    if (total > lg.LifetimeConsMax) lg.LifetimeConsMax = total;
    if (total < lg.LifetimeConsMin) lg.LifetimeConsMin = total;
    if (state.cohort.Sex(i) == "F" && total > lg.MaxFemaleConsumption)
      lg.MaxFemaleConsumption = total;
    if (state.cohort.Sex(i) == "M" && total > lg.MaxMaleConsumption) lg.MaxMaleConsumption = total;
  }
}

void printIndividual(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk,
                     int i) {
  PrintRecord line = printTo(out);
  line.tab(5).number(i).tab(14).text(state.cohort.Sex(i));
  forEachColumn(chunk, state.header.NumStages, [&](ColumnKind kind, int j, int k) {
    if (kind == ColumnKind::WholeLife) {
      line.tab(Cells.wholeLife(k)).rounded(state.longevity.TotalConsumption(i), 2);
    } else if (kind == ColumnKind::Preadult) {
      line.tab(Cells.preadult(k)).rounded(state.longevity.PreadultConsumption(i), 2);
    } else {
      const double c = state.cohort.StageConsumption(i, j);
      printStageCell(
          line, Cells.stage(k), state.cohort.StageDuration(i, j),
          [&](PrintRecord& cell) { cell.rounded(c, 2); },
          [&](PrintRecord& cell) { cell.rounded(std::fabs(c), 2); }, "d");
    }
  });
  line.text(" ").endLine();
}

ColumnStatistics totalStatistics(const AnalysisState& state) {
  const SpanStatistics& sp = state.span;
  ColumnStatistics values = wholeCohortStatistics(state.header.NumIndividuals, sp.LifetimeConsMean,
                                                  sp.LifetimeConsSD, sp.LifetimeConsSE);
  values.maximum = state.longevity.LifetimeConsMax;
  values.minimum = state.longevity.LifetimeConsMin;
  return values;
}

ColumnStatistics preadultStatistics(const AnalysisState& state) {
  const LongevityStatistics& lg = state.longevity;
  ColumnStatistics values;
  values.n = lg.PreadultConsN;
  if (values.n != 0) {
    values.mean = lg.PreadultConsMean;
    values.maximum = lg.PreadultConsMax;
    values.minimum = lg.PreadultConsMin;
  }
  if (values.n > 1) {
    values.sd = lg.PreadultConsSD;
    values.se = lg.PreadultConsSE;
  }
  return values;
}

// The mean and S.D. are guarded by the individuals that completed the
// stage, the extremes and S.E. by those counted for its consumption.
ColumnStatistics stageStatistics(const AnalysisState& state, int j) {
  const StageStatistics& st = state.stageStats;
  const int completed = st.StageDurN(j);
  ColumnStatistics values;
  values.n = st.StageConsN(j);
  if (completed != 0) values.mean = st.StageConsMean(j);
  if (values.n != 0) {
    values.maximum = st.StageConsMax(j);
    values.minimum = st.StageConsMin(j);
  }
  if (completed > 1) values.sd = st.StageConsSD(j);
  if (values.n > 1) values.se = st.StageConsSD(j) / std::sqrt(values.n);
  return values;
}

}  // namespace

void PrintStageConsumption(AnalysisState& state, Platform& /*platform*/) {
  TextOutputFile& out = state.files.file3;
  const LongevityStatistics& lg = state.longevity;
  printPageMark(out);
  printPageLine(out, state.report, 70);
  const int tableNo = nextCount(state.report.TableNo);
  printTo(out).text(" ").endLine();

  formPreadultConsumption(state);
  StageColumnTable table;
  table.heading = {"Indiv.  Sex ", "Total", 14, 12, 11, 10, 11};
  table.cells = Cells;
  table.ruleWidth = [](const ColumnChunk& chunk) { return chunk.width() * 10 + 17; };
  table.individual = [&](const ColumnChunk& chunk, int i) {
    printIndividual(out, state, chunk, i);
  };
  table.wholeLife = [&] { return totalStatistics(state); };
  table.preadult = [&] { return preadultStatistics(state); };
  table.stage = [&](int j) { return stageStatistics(state, j); };
  printStageColumnChunks(out, state.header, tableNo, ". Stage consumption rate of each individual",
                         table);
  printTo(out)
      .tab(5)
      .text("Max. predation rate of male adult =")
      .number(lg.MaxMaleConsumption)
      .endLine();
  printTo(out)
      .tab(5)
      .text("Max. predation rate of female adult =")
      .number(lg.MaxFemaleConsumption)
      .endLine();
  printEffectiveConsumers(out, lg);
}

}  // namespace vorelan
