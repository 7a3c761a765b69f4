#include "report/life06.h"

#include <cmath>
#include <optional>
#include <string>

#include "report/mean_daily_consumption_tables.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

constexpr int RuleWidth = 62;

// The "=" rule of the table (62 characters at column 5).
void Life06Gosub1745(TextOutputFile& out) { printRule(out, 5, '=', RuleWidth); }
// The "-" rules; one serves the head, the consumption heading and the close,
// the other every other rule (they print the same line).
void Life06Gosub1740(TextOutputFile& out) { printRule(out, 5, '-', RuleWidth); }
void Life06Gosub1780(TextOutputFile& out) { Life06Gosub1740(out); }

void Life06Gosub1760(TextOutputFile& out) {
  printTo(out)
      .tab(5)
      .text("Stage Duration   Sex     N      Mean       S.D.         S.E.")
      .endLine();
}

// The statistics of one group of individuals, as one row prints them. The
// pre-adult rows carry the standard error kept with their statistics; the
// others form it from the unrounded S.D.
struct GroupStatistics {
  GroupStatistics(double count, double groupMean, double groupSd,
                  std::optional<double> keptSe = std::nullopt)
      : n(count), mean(groupMean), sd(groupSd), storedSe(keptSe) {}
  double n;
  double mean;
  double sd;
  std::optional<double> storedSe;
};

// How a row without individuals shows its count: a dash, or the number 0.
enum class EmptyCount { Dash, Zero };

// One row: label, group, then N, mean, S.D. and S.E. as far as they can be
// formed; "-" in place of what needs more individuals.
void printRow(TextOutputFile& out, const std::string& label, const std::string& group,
              const GroupStatistics& g, EmptyCount empty = EmptyCount::Dash) {
  PrintRecord line = printTo(out);
  line.tab(5).text(label).tab(22).text(group);
  if (g.n == 0) {
    empty == EmptyCount::Zero ? line.tab(28).number(0) : line.tab(29).text("-");
    line.tab(37).text("-").tab(47).text("-").tab(61).text("-").endLine();
    return;
  }
  line.tab(28).number(g.n).tab(36).rounded(g.mean, 2);
  if (g.n == 1) {
    line.tab(47).text("-").tab(61).text("-").endLine();
    return;
  }
  const double se = g.storedSe ? *g.storedSe : g.sd / std::sqrt(g.n);
  line.tab(46).rounded(g.sd, 3).tab(60).rounded(se, 2).endLine();
}

// The statistics of stage j, or of sex line s and stage j, from the arrays
// of count, mean and S.D.
template <class Count, class Mean, class Sd>
auto byStage(const Count& n, const Mean& mean, const Sd& sd) {
  return [&n, &mean, &sd](int j) { return GroupStatistics(double(n(j)), mean(j), sd(j)); };
}
template <class Count, class Mean, class Sd>
auto bySexAndStage(const Count& n, const Mean& mean, const Sd& sd) {
  return [&n, &mean, &sd](int s, int j) {
    return GroupStatistics(double(n(s, j)), mean(s, j), sd(s, j));
  };
}

// One row per stage from `firstStage` to the adult stage, then a "-" rule.
template <class Label, class Statistics>
void printStageRows(AnalysisState& state, int firstStage, const std::string& group, Label label,
                    Statistics statistics, EmptyCount empty = EmptyCount::Dash) {
  for (int j = firstStage; j <= state.header.NumStages; ++j) {
    printRow(state.files.file3, label(j), group, statistics(j), empty);
  }
  Life06Gosub1780(state.files.file3);
}

// The stage rows of each sex line in turn, each sex line closed by a rule.
template <class Label, class Statistics>
void printStageRowsBySex(AnalysisState& state, int firstStage, Label label, Statistics statistics) {
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    printStageRows(state, firstStage, state.header.SexName(s), label,
                   [&](int j) { return statistics(s, j); });
  }
}

const std::string& stageName(const AnalysisState& state, int j) {
  return state.header.StageName(1, j);
}

// Stage j in the duration sections, with the adult stage named by `adultWord`.
std::string stageLabel(const AnalysisState& state, int j, const char* adultWord) {
  return j == state.header.NumStages ? std::string(adultWord) : stageName(state, j);
}

// The row labels of the stage sections, by stage.
auto durationLabel(const AnalysisState& state) {
  return [&state](int j) { return stageLabel(state, j, "Adult"); };
}
auto consumptionLabel(const AnalysisState& state) {
  return [&state](int j) { return stageLabel(state, j, "Adult "); };
}
auto cumulativeLabel(const AnalysisState& state) {
  return [&state](int j) { return stageName(state, 1) + " - " + stageLabel(state, j, "Adult"); };
}

std::string spanLabel(const AnalysisState& state, const char* adultWord) {
  const int a = static_cast<int>(std::lround(state.span.SpanFirstStage));
  const int b = static_cast<int>(std::lround(state.span.SpanLastStage));
  const std::string last =
      b < state.header.NumStages ? stageName(state, b) : std::string(adultWord);
  return stageName(state, a) + " - " + last;
}

}  // namespace

void Life06Gosub160(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  ReportPageHead(out, state.report, {PageMark::OwnLine, 60, TableLineForm::A},
                 ". Basic Statistics of Life History Data");
  printTo(out).text(" ").endLine();
  Life06Gosub1745(out);
  Life06Gosub1760(out);
  Life06Gosub1740(out);
}

void Life06Gosub290(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  printStageRows(state, 1, "All", durationLabel(state),
                 byStage(st.StageDurN, st.StageDurMean, st.StageDurSD));
}

void Life06Gosub690(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  printStageRowsBySex(state, 1, durationLabel(state),
                      bySexAndStage(st.SexStageDurN, st.SexStageDurMean, st.SexStageDurSD));
}

void Life06Gosub480(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  printStageRows(state, 2, "All", cumulativeLabel(state),
                 byStage(st.CumDurN, st.CumDurMean, st.CumDurSD));
}

void Life06Gosub910(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  printStageRowsBySex(state, 2, cumulativeLabel(state),
                      bySexAndStage(st.SexCumDurN, st.SexCumDurMean, st.SexCumDurSD));
}

void Life06Gosub1140(AnalysisState& state) {
  const SpanStatistics& sp = state.span;
  printRow(state.files.file3, spanLabel(state, "Adult"), "All",
           {double(sp.SpanN), sp.SpanMean, sp.SpanSD});
}

void Life06Gosub1320(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const SpanStatistics& sp = state.span;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    printRow(out, spanLabel(state, "Adult   "), state.header.SexName(s),
             {double(sp.SexSpanN(s)), sp.SexSpanMean(s), sp.SexSpanSD(s)});
  }
  Life06Gosub1745(out);
  printTo(out).tab(28).text("Consumption Rate").endLine();
  Life06Gosub1740(out);
}

// The stage consumption rows of all individuals print their count also when it is 0.
void Life06Gosub1800(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  printStageRows(state, 1, "All", consumptionLabel(state),
                 byStage(st.StageConsN, st.StageConsMean, st.StageConsSD), EmptyCount::Zero);
}

void Life06Gosub1990(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  printStageRowsBySex(state, 1, consumptionLabel(state),
                      bySexAndStage(st.SexStageConsN, st.SexStageConsMean, st.SexStageConsSD));
}

// The pre-adult rows print the standard error kept with the statistics.
void Life06Gosub1995(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const LongevityStatistics& lg = state.longevity;
  const std::string label = "Preadult ";
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    const std::string& letter = state.header.SexName(s);
    if (letter == "F") {
      printRow(out, label, letter,
               {lg.PreadultConsFN, lg.PreadultConsFMean, lg.PreadultConsFSD, lg.PreadultConsFSE});
    } else if (letter == "M") {
      printRow(out, label, letter,
               {lg.PreadultConsMN, lg.PreadultConsMMean, lg.PreadultConsMSD, lg.PreadultConsMSE});
    } else if (letter == "N") {
      printRow(out, label, letter,
               {lg.PreadultConsNN, lg.PreadultConsNMean, lg.PreadultConsNSD, lg.PreadultConsNSE});
    } else {
      // No statistics are kept for another letter: the label and letter only;
      // the next row's column 5 starts a new line.
      printTo(out).tab(5).text(label).tab(22).text(letter);
    }
  }
  Life06Gosub1780(out);
}

void Life06Gosub1550(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const SpanStatistics& sp = state.span;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    printRow(out, "All stage", state.header.SexName(s),
             {double(sp.SexLifetimeConsN(s)), sp.SexLifetimeConsMean(s), sp.SexLifetimeConsSD(s)});
  }
  Life06Gosub1780(out);
  printRow(out, "All stage", "All",
           {double(state.header.NumIndividuals), sp.LifetimeConsMean, sp.LifetimeConsSD});
  Life06Gosub1740(out);
}

void life06(AnalysisState& state, Platform& platform) {
  Life06Gosub160(state);
  Life06Gosub290(state);
  Life06Gosub690(state);
  Life06Gosub480(state);
  Life06Gosub910(state);
  Life06Gosub1140(state);
  Life06Gosub1320(state);
  Life06Gosub1800(state);
  Life06Gosub1990(state);
  Life06Gosub1995(state);
  Life06Gosub1550(state);
  PrintDailyMeanConsumptionBasedonMeans(state, platform);
  PrintWeightingCoefBasedOnMatricesZandS(state, platform);
}

}  // namespace vorelan
