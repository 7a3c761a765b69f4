#include "report/life11.h"

#include <cmath>
#include <optional>
#include <string>

#include "report/individual_tables.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

// The cells step by 9 columns, and so do the headings of the stages; the
// adult, pre-adult and longevity headings step by 10.
constexpr StageCellLayout Cells{9, 10, 13, 18};

struct PreadultExtremes {
  double max = 0;
  double min = 0;
};

// Largest and smallest pre-adult duration among the individuals that have a
// sex (an "N" individual died before the adult stage); none in a cohort of
// immatures only.
std::optional<PreadultExtremes> preadultExtremes(const AnalysisState& state) {
  std::optional<PreadultExtremes> extremes;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    if (state.cohort.Sex(i) == "N") continue;
    const double d = state.stageStats.PreadultDuration(i);
    if (!extremes) {
      extremes = PreadultExtremes{d, d};
      continue;
    }
    if (d >= extremes->max) extremes->max = d;
    if (d <= extremes->min) extremes->min = d;
  }
  return extremes;
}

// The rules are narrower for a chunk that ends before the adult column.
int ruleWidth(const ColumnChunk& chunk, int numStages) {
  return chunk.width() * 10 + (chunk.last < numStages ? 6 : 10);
}

void printIndividual(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk,
                     int i) {
  const double timeUnit = state.run.TimeUnit;
  PrintRecord line = printTo(out);
  line.tab(5).number(i).tab(13).text(state.cohort.Sex(i));
  forEachColumn(chunk, state.header.NumStages, [&](ColumnKind kind, int j, int k) {
    if (kind == ColumnKind::WholeLife) {
      line.tab(Cells.wholeLife(k)).number(state.longevity.Longevity(i));
    } else if (kind == ColumnKind::Preadult) {
      if (state.cohort.Sex(i) == "N") {
        line.tab(Cells.preadult(k)).text(" -");
      } else {
        line.tab(Cells.preadult(k)).number(state.stageStats.PreadultDuration(i));
      }
    } else {
      const double d = state.cohort.StageDuration(i, j);
      printStageCell(
          line, Cells.stage(k), d, [&](PrintRecord& cell) { cell.number(timeUnit * d); },
          [&](PrintRecord& cell) { cell.number(std::fabs(timeUnit * d)); }, "d ");
    }
  });
  line.text(" ").endLine();
}

ColumnStatistics longevityStatistics(const AnalysisState& state) {
  const LongevityStatistics& lg = state.longevity;
  ColumnStatistics values = wholeCohortStatistics(state.header.NumIndividuals, lg.MeanLongevity,
                                                  lg.SDLongevity, lg.SELongevity);
  values.maximum = lg.MaxLongevity;
  values.minimum = lg.MinLongevity;
  return values;
}

// The pre-adult period is stages 1..m-1. With two stages it is stage 1,
// whose statistics the cumulative ones take over for the later tables.
ColumnStatistics preadultStatistics(AnalysisState& state,
                                    const std::optional<PreadultExtremes>& extremes) {
  StageStatistics& st = state.stageStats;
  const int m = state.header.NumStages;
  const int p = m - 1;
  if (m == 2) {
    st.CumDurN(1) = st.StageDurN(1);
    st.CumDurMean(1) = st.StageDurMean(1);
    st.CumDurSD(1) = st.StageDurSD(1);
  }
  ColumnStatistics values;
  values.n = st.CumDurN(p);
  if (values.n != 0) values.mean = st.CumDurMean(p);
  if (extremes) {
    values.maximum = extremes->max;
    values.minimum = extremes->min;
  }
  if (values.n > 1) values.sd = st.CumDurSD(p);
  values.sdDecimals = m == 2 ? 3 : 2;
  if (m <= 2) {
    if (st.StageDurN(1) > 1) values.se = st.StageDurSD(1) / std::sqrt(st.StageDurN(1));
    values.seDecimals = 3;
  } else if (values.n > 1) {
    values.se = st.CumDurSE(p);
  }
  return values;
}

ColumnStatistics stageStatistics(const AnalysisState& state, int j) {
  const StageStatistics& st = state.stageStats;
  ColumnStatistics values;
  values.n = st.StageDurN(j);
  if (values.n != 0) {
    values.mean = st.StageDurMean(j);
    values.maximum = state.longevity.StageDurMax(j);
    values.minimum = state.longevity.StageDurMin(j);
  }
  if (values.n > 1) {
    values.sd = st.StageDurSD(j);
    values.se = st.StageDurSD(j) / std::sqrt(values.n);
  }
  return values;
}

}  // namespace

void life11(AnalysisState& state, Platform& /*platform*/) {
  TextOutputFile& out = state.files.file3;
  const int m = state.header.NumStages;
  printPageLine(out, state.report, 70);  // this table has no page mark
  const int tableNo = nextCount(state.report.TableNo);
  for (int blank = 0; blank < 3; ++blank) printTo(out).text(" ").endLine();
  printProjectLines(out, state.header);
  printTo(out).text(" ").endLine();

  const auto extremes = preadultExtremes(state);
  StageColumnTable table;
  table.heading = {"Indiv. Sex ", "Longevity", 5, 3, 6, 9, 10};
  table.cells = Cells;
  table.ruleWidth = [m](const ColumnChunk& chunk) { return ruleWidth(chunk, m); };
  table.individual = [&](const ColumnChunk& chunk, int i) {
    printIndividual(out, state, chunk, i);
  };
  table.wholeLife = [&] { return longevityStatistics(state); };
  table.preadult = [&] { return preadultStatistics(state, extremes); };
  table.stage = [&](int j) { return stageStatistics(state, j); };
  printStageColumnChunks(out, state.header, tableNo, ". Stage duration of each individual", table);

  printTo(out)
      .tab(5)
      .text("Max. longevity of male adult =")
      .number(state.longevity.MaxMaleLongevity)
      .endLine();
  printTo(out)
      .tab(5)
      .text("Max. longevity of female adult =")
      .number(state.longevity.MaxFemaleLongevity)
      .endLine();
}

}  // namespace vorelan
