#include "report/print_stage_consumption.h"

#include <cmath>
#include <string>

#include "report/effective_consumer_lines.h"
#include "report/individual_table_chunks.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

int stageCell(int k) { return 10 * k + 10; }
int preadultCell(int k) { return 10 * k + 12; }
int totalCell(int k) { return 10 * k + 13; }

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

void printRule(TextOutputFile& out, char character, const ColumnChunk& chunk) {
  printTo(out).tab(5).text(repeated(character, chunk.width() * 10 + 17)).endLine();
}

void printHeading(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk) {
  const int m = state.header.NumStages;
  PrintRecord line = printTo(out);
  line.tab(5).text("Indiv.  Sex ");
  for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) {
    if (j == m + 2) {
      line.tab(10 * k + 14).text("Total");
    } else if (j == m + 1) {
      line.tab(10 * k + 12).text("Preadult");
    } else if (j == m) {
      line.tab(10 * k + 11).text("Adult");
    } else {
      line.tab(10 * k + 11).text(state.header.StageNameAsRead(1, j));
    }
  }
  line.text(" ").endLine();
}

void printIndividual(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk,
                     int i) {
  const int m = state.header.NumStages;
  PrintRecord line = printTo(out);
  line.tab(5).number(i).tab(14).text(state.cohort.Sex(i));
  for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) {
    if (j == m + 2) {
      line.tab(totalCell(k)).rounded(state.longevity.TotalConsumption(i), 2);
    } else if (j == m + 1) {
      line.tab(preadultCell(k)).rounded(state.longevity.PreadultConsumption(i), 2);
    } else {
      const double d = state.cohort.StageDuration(i, j);
      const double c = state.cohort.StageConsumption(i, j);
      line.tab(stageCell(k));
      if (d > 0) {
        line.rounded(c, 2);
      } else if (d == 0) {
        line.text(" -");  // stage never entered
      } else {
        line.rounded(std::fabs(c), 2).text("d");  // died in this stage
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

// The lifetime spread cannot be formed from a single individual.
void totalStatistic(PrintRecord& line, const AnalysisState& state, Statistic statistic, int k) {
  const SpanStatistics& sp = state.span;
  const LongevityStatistics& lg = state.longevity;
  const bool spread = state.header.NumIndividuals > 1;
  line.tab(totalCell(k));
  switch (statistic) {
    case Statistic::N:
      line.number(state.header.NumIndividuals);
      break;
    case Statistic::Mean:
      line.rounded(sp.LifetimeConsMean, 2);
      break;
    case Statistic::Maximum:
      line.number(lg.LifetimeConsMax);
      break;
    case Statistic::Minimum:
      line.number(lg.LifetimeConsMin);
      break;
    case Statistic::SD:
      spread ? line.rounded(sp.LifetimeConsSD, 3) : line.text(" -");
      break;
    case Statistic::SE:
      spread ? line.rounded(sp.LifetimeConsSE, 3) : line.text(" -");
      break;
  }
}

void preadultStatistic(PrintRecord& line, const AnalysisState& state, Statistic statistic, int k) {
  const LongevityStatistics& lg = state.longevity;
  const double n = lg.PreadultConsN;
  const auto dash = [&] { line.tab(preadultCell(k) + 1).text("-"); };
  const auto value = [&](double v) { line.tab(preadultCell(k)).number(v); };
  const auto roundedValue = [&](double v, int decimals) {
    line.tab(preadultCell(k)).rounded(v, decimals);
  };
  switch (statistic) {
    case Statistic::N:
      value(n);
      break;
    case Statistic::Mean:
      n == 0 ? dash() : roundedValue(lg.PreadultConsMean, 2);
      break;
    case Statistic::Maximum:
      n == 0 ? dash() : value(lg.PreadultConsMax);
      break;
    case Statistic::Minimum:
      n == 0 ? dash() : value(lg.PreadultConsMin);
      break;
    case Statistic::SD:
      n <= 1 ? dash() : roundedValue(lg.PreadultConsSD, 3);
      break;
    case Statistic::SE:
      n <= 1 ? dash() : roundedValue(lg.PreadultConsSE, 2);
      break;
  }
}

void stageStatistic(PrintRecord& line, const AnalysisState& state, Statistic statistic, int k,
                    int j) {
  const StageStatistics& st = state.stageStats;
  const int completed = st.StageDurN(j);
  const int n = st.StageConsN(j);
  line.tab(stageCell(k));
  switch (statistic) {
    case Statistic::N:
      line.number(n);
      break;
    case Statistic::Mean:
      completed == 0 ? line.text(" -") : line.rounded(st.StageConsMean(j), 2);
      break;
    case Statistic::Maximum:
      n == 0 ? line.text(" -") : line.number(st.StageConsMax(j));
      break;
    case Statistic::Minimum:
      n == 0 ? line.text(" -") : line.number(st.StageConsMin(j));
      break;
    case Statistic::SD:
      completed <= 1 ? line.text(" -") : line.rounded(st.StageConsSD(j), 3);
      break;
    case Statistic::SE:
      n <= 1 ? line.text(" -") : line.rounded(st.StageConsSD(j) / std::sqrt(n), 2);
      break;
  }
}

void printStatistics(TextOutputFile& out, const AnalysisState& state, const ColumnChunk& chunk) {
  const int m = state.header.NumStages;
  for (Statistic statistic : {Statistic::N, Statistic::Mean, Statistic::Maximum, Statistic::Minimum,
                              Statistic::SD, Statistic::SE}) {
    PrintRecord line = printTo(out);
    line.tab(5).text(labelOf(statistic));
    for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) {
      if (j == m + 2) {
        totalStatistic(line, state, statistic, k);
      } else if (j == m + 1) {
        preadultStatistic(line, state, statistic, k);
      } else {
        stageStatistic(line, state, statistic, k, j);
      }
    }
    line.text(" ").endLine();
    printRule(out, '-', chunk);
  }
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
  const auto chunks = individualTableChunks(state.header.NumStages);
  for (std::size_t c = 0; c < chunks.size(); ++c) {
    const ColumnChunk& chunk = chunks[c];
    if (c == 0) {
      printTableLine(out, tableNo, TableLineForm::A, ". Stage consumption rate of each individual");
    } else {
      for (int blank = 0; blank < 3; ++blank) printTo(out).text(" ").endLine();
      printTo(out).tab(5).text("Table " + std::to_string(tableNo) + ". (Continued)").endLine();
    }
    printRule(out, '=', chunk);
    printHeading(out, state, chunk);
    printRule(out, '-', chunk);
    for (int i = 1; i <= state.header.NumIndividuals; ++i) printIndividual(out, state, chunk, i);
    printRule(out, '-', chunk);
    printStatistics(out, state, chunk);
    printTo(out).tab(5).text("d - dead.").endLine();
  }
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
