#include "report/life11.h"

#include <cmath>
#include <optional>
#include <string>

#include "report/individual_table_chunks.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

// Print columns of a cell in chunk position k: the stage, adult and
// pre-adult cells step by 9 columns, and so do the headings of the stages;
// the adult, pre-adult and longevity headings step by 10.
int stageCell(int k) { return 9 * k + 10; }
int preadultCell(int k) { return 9 * k + 13; }
int longevityCell(int k) { return 9 * k + 18; }

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

void printRule(TextOutputFile& out, char character, const ColumnChunk& chunk, int numStages) {
  const int width = chunk.width() * 10 + (chunk.last < numStages ? 6 : 10);
  printTo(out).tab(5).text(repeated(character, width)).endLine();
}

void printHeading(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk) {
  const int m = state.header.NumStages;
  PrintRecord line = printTo(out);
  line.tab(5).text("Indiv.").text(" Sex ");
  for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) {
    if (j == m + 2) {
      line.tab(10 * k + 5).text("Longevity");
    } else if (j == m + 1) {
      line.tab(10 * k + 3).text("Preadult");
    } else if (j == m) {
      line.tab(10 * k + 6).text("Adult");
    } else {
      line.tab(stageCell(k)).text(state.header.StageNameAsRead(1, j));
    }
  }
  line.text(" ").endLine();
}

void printIndividual(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk,
                     int i) {
  const int m = state.header.NumStages;
  const double timeUnit = state.run.TimeUnit;
  PrintRecord line = printTo(out);
  line.tab(5).number(i).tab(13).text(state.cohort.Sex(i));
  for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) {
    if (j == m + 2) {
      line.tab(longevityCell(k)).number(state.longevity.Longevity(i));
    } else if (j == m + 1) {
      if (state.cohort.Sex(i) == "N") {
        line.tab(preadultCell(k)).text(" -");
      } else {
        line.tab(preadultCell(k)).number(state.stageStats.PreadultDuration(i));
      }
    } else {
      const double d = state.cohort.StageDuration(i, j);
      line.tab(stageCell(k));
      if (d > 0) {
        line.number(timeUnit * d);
      } else if (d == 0) {
        line.text(" -");  // stage never entered
      } else {
        line.number(std::fabs(timeUnit * d)).text("d ");  // died in this stage
      }
    }
  }
  line.text(" ").endLine();
}

enum class Statistic { N, Mean, Maximum, Minimum, SD, SE };

const char* labelOf(Statistic statistic) {
  switch (statistic) {
    case Statistic::N:
      return "N";
    case Statistic::Mean:
      return "Mean";
    case Statistic::Maximum:
      return "Maximum";
    case Statistic::Minimum:
      return "Minimum";
    case Statistic::SD:
      return "S.D.";
    case Statistic::SE:
      return "S.E.";
  }
  return "";
}

void longevityStatistic(PrintRecord& line, const AnalysisState& state, Statistic statistic, int k) {
  const LongevityStatistics& lg = state.longevity;
  const bool spread = state.header.NumIndividuals > 1;
  line.tab(longevityCell(k));
  switch (statistic) {
    case Statistic::N:
      line.number(state.header.NumIndividuals);
      break;
    case Statistic::Mean:
      line.rounded(lg.MeanLongevity, 2);
      break;
    case Statistic::Maximum:
      line.number(lg.MaxLongevity);
      break;
    case Statistic::Minimum:
      line.number(lg.MinLongevity);
      break;
    case Statistic::SD:
      spread ? line.rounded(lg.SDLongevity, 3) : line.text(" -");
      break;
    case Statistic::SE:
      spread ? line.rounded(lg.SELongevity, 3) : line.text(" -");
      break;
  }
}

// The pre-adult period is stages 1..m-1; with two stages it is stage 1, whose
// statistics are copied into the cumulative ones for the later tables.
void preadultStatistic(PrintRecord& line, AnalysisState& state, Statistic statistic, int k,
                       const std::optional<PreadultExtremes>& extremes) {
  StageStatistics& st = state.stageStats;
  const int m = state.header.NumStages;
  const int p = m - 1;
  if (m == 2) {
    if (statistic == Statistic::N) st.CumDurN(1) = st.StageDurN(1);
    if (statistic == Statistic::Mean) st.CumDurMean(1) = st.StageDurMean(1);
    if (statistic == Statistic::SD) st.CumDurSD(1) = st.StageDurSD(1);
  }
  const auto dash = [&] { line.tab(preadultCell(k) + 1).text("-"); };
  const auto value = [&](double v) { line.tab(preadultCell(k)).number(v); };
  const auto roundedValue = [&](double v, int decimals) {
    line.tab(preadultCell(k)).rounded(v, decimals);
  };
  switch (statistic) {
    case Statistic::N:
      value(st.CumDurN(p));
      break;
    case Statistic::Mean:
      st.CumDurN(p) == 0 ? dash() : roundedValue(st.CumDurMean(p), 2);
      break;
    case Statistic::Maximum:
      extremes ? value(extremes->max) : dash();
      break;
    case Statistic::Minimum:
      extremes ? value(extremes->min) : dash();
      break;
    case Statistic::SD:
      st.CumDurN(p) <= 1 ? dash() : roundedValue(st.CumDurSD(p), m == 2 ? 3 : 2);
      break;
    case Statistic::SE:
      if (m <= 2) {
        st.StageDurN(1) <= 1 ? dash()
                             : roundedValue(st.StageDurSD(1) / std::sqrt(st.StageDurN(1)), 3);
      } else {
        st.CumDurN(p) <= 1 ? dash() : roundedValue(st.CumDurSE(p), 2);
      }
      break;
  }
}

void stageStatistic(PrintRecord& line, const AnalysisState& state, Statistic statistic, int k,
                    int j) {
  const StageStatistics& st = state.stageStats;
  const int n = st.StageDurN(j);
  line.tab(stageCell(k));
  switch (statistic) {
    case Statistic::N:
      line.number(n);
      break;
    case Statistic::Mean:
      n == 0 ? line.text(" -") : line.rounded(st.StageDurMean(j), 2);
      break;
    case Statistic::Maximum:
      n == 0 ? line.text(" -") : line.number(state.longevity.StageDurMax(j));
      break;
    case Statistic::Minimum:
      n == 0 ? line.text(" -") : line.number(state.longevity.StageDurMin(j));
      break;
    case Statistic::SD:
      n <= 1 ? line.text(" -") : line.rounded(st.StageDurSD(j), 3);
      break;
    case Statistic::SE:
      n <= 1 ? line.text(" -") : line.rounded(st.StageDurSD(j) / std::sqrt(n), 2);
      break;
  }
}

void printStatistics(TextOutputFile& out, AnalysisState& state, const ColumnChunk& chunk,
                     const std::optional<PreadultExtremes>& extremes) {
  const int m = state.header.NumStages;
  for (Statistic statistic : {Statistic::N, Statistic::Mean, Statistic::Maximum, Statistic::Minimum,
                              Statistic::SD, Statistic::SE}) {
    PrintRecord line = printTo(out);
    line.tab(5).text(labelOf(statistic));
    for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) {
      if (j == m + 2) {
        longevityStatistic(line, state, statistic, k);
      } else if (j == m + 1) {
        preadultStatistic(line, state, statistic, k, extremes);
      } else {
        stageStatistic(line, state, statistic, k, j);
      }
    }
    line.text(" ").endLine();
    printRule(out, '-', chunk, m);
  }
}

}  // namespace

void life11(AnalysisState& state, Platform& /*platform*/) {
  TextOutputFile& out = state.files.file3;
  const int m = state.header.NumStages;
  printPageLine(out, state.report, 70);  // this table has no page mark
  const int tableNo = nextCount(state.report.TableNo);
  for (int blank = 0; blank < 3; ++blank) printTo(out).text(" ").endLine();
  printTo(out).tab(5).text("Project: ").text(state.header.ProjectName).endLine();
  printTo(out).tab(5).text("Name   : ").text(state.header.ResearcherName).endLine();
  printTo(out).tab(5).text("Date   : ").text(state.header.ExperimentDate).endLine();
  printTo(out).text(" ").endLine();

  const auto extremes = preadultExtremes(state);
  const auto chunks = individualTableChunks(m);
  for (std::size_t c = 0; c < chunks.size(); ++c) {
    const ColumnChunk& chunk = chunks[c];
    if (c == 0) {
      printTableLine(out, tableNo, TableLineForm::A, ". Stage duration of each individual");
    } else {
      for (int blank = 0; blank < 3; ++blank) printTo(out).text(" ").endLine();
      printTo(out).tab(5).text("Table " + std::to_string(tableNo) + ". (Continued)").endLine();
    }
    printRule(out, '=', chunk, m);
    printHeading(out, state, chunk);
    printRule(out, '-', chunk, m);
    for (int i = 1; i <= state.header.NumIndividuals; ++i) printIndividual(out, state, chunk, i);
    printRule(out, '-', chunk, m);
    printStatistics(out, state, chunk, extremes);
    printTo(out).tab(5).text("d - dead.").endLine();
  }
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
