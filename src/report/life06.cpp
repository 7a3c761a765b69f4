#include "report/life06.h"

#include <cmath>
#include <string>

#include "report/mean_daily_consumption_tables.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

// The "=" rule of the table (62 characters at column 5).
void Life06Gosub1745(TextOutputFile& out) { printTo(out).tab(5).text(repeated('=', 62)).endLine(); }
// The "-" rules; one serves the head, the consumption heading and the close,
// the other every other rule (they print the same line).
void Life06Gosub1740(TextOutputFile& out) { printTo(out).tab(5).text(repeated('-', 62)).endLine(); }
void Life06Gosub1780(TextOutputFile& out) { printTo(out).tab(5).text(repeated('-', 62)).endLine(); }

void Life06Gosub1760(TextOutputFile& out) {
  printTo(out)
      .tab(5)
      .text("Stage Duration   Sex     N      Mean       S.D.         S.E.")
      .endLine();
}

// One row: label, group, then N, mean, S.D. and S.E. as far as they can be
// formed; "-" in place of what needs more individuals.
void printRow(TextOutputFile& out, const std::string& label, const std::string& group, double n,
              double mean, double sd) {
  PrintRecord line = printTo(out);
  line.tab(5).text(label).tab(22).text(group);
  if (n == 0) {
    line.tab(29).text("-").tab(37).text("-").tab(47).text("-").tab(61).text("-").endLine();
    return;
  }
  line.tab(28).number(n).tab(36).rounded(mean, 2);
  if (n == 1) {
    line.tab(47).text("-").tab(61).text("-").endLine();
    return;
  }
  line.tab(46).rounded(sd, 3).tab(60).rounded(sd / std::sqrt(n), 2).endLine();
}

// The stage consumption rows of all individuals print their count also when it is 0.
void printCountedRow(TextOutputFile& out, const std::string& label, double n, double mean,
                     double sd) {
  if (n != 0) {
    printRow(out, label, "All", n, mean, sd);
    return;
  }
  printTo(out)
      .tab(5)
      .text(label)
      .tab(22)
      .text("All")
      .tab(28)
      .number(0)
      .tab(37)
      .text("-")
      .tab(47)
      .text("-")
      .tab(61)
      .text("-")
      .endLine();
}

// The pre-adult rows print the standard error kept with the statistics.
void printPreadultRow(TextOutputFile& out, const std::string& group, double n, double mean,
                      double sd, double se) {
  PrintRecord line = printTo(out);
  line.tab(5).text("Preadult ").tab(22).text(group);
  if (n == 0) {
    line.tab(29).text("-").tab(37).text("-").tab(47).text("-").tab(61).text("-").endLine();
  } else if (n == 1) {
    line.tab(28).number(n).tab(36).rounded(mean, 2).tab(47).text("-").tab(61).text("-").endLine();
  } else {
    line.tab(28)
        .number(n)
        .tab(36)
        .rounded(mean, 2)
        .tab(46)
        .rounded(sd, 3)
        .tab(60)
        .rounded(se, 2)
        .endLine();
  }
}

const std::string& stageName(const AnalysisState& state, int j) {
  return state.header.StageName(1, j);
}

// Stage j in the duration sections, with the adult stage named by `adultWord`.
std::string stageLabel(const AnalysisState& state, int j, const char* adultWord) {
  return j == state.header.NumStages ? std::string(adultWord) : stageName(state, j);
}

std::string cumulativeLabel(const AnalysisState& state, int j) {
  return stageName(state, 1) + " - " + stageLabel(state, j, "Adult");
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
  printPageMark(out);
  printPageLine(out, state.report, 60);
  printTableLine(out, nextCount(state.report.TableNo), TableLineForm::A,
                 ". Basic Statistics of Life History Data");
  printTo(out).text(" ").endLine();
  Life06Gosub1745(out);
  Life06Gosub1760(out);
  Life06Gosub1740(out);
}

void Life06Gosub290(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    printRow(state.files.file3, stageLabel(state, j, "Adult"), "All", st.StageDurN(j),
             st.StageDurMean(j), st.StageDurSD(j));
  }
  Life06Gosub1780(state.files.file3);
}

void Life06Gosub690(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 1; j <= state.header.NumStages; ++j) {
      printRow(state.files.file3, stageLabel(state, j, "Adult"), state.header.SexName(s),
               st.SexStageDurN(s, j), st.SexStageDurMean(s, j), st.SexStageDurSD(s, j));
    }
    Life06Gosub1780(state.files.file3);
  }
}

void Life06Gosub480(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  for (int j = 2; j <= state.header.NumStages; ++j) {
    printRow(state.files.file3, cumulativeLabel(state, j), "All", st.CumDurN(j), st.CumDurMean(j),
             st.CumDurSD(j));
  }
  Life06Gosub1780(state.files.file3);
}

void Life06Gosub910(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 2; j <= state.header.NumStages; ++j) {
      printRow(state.files.file3, cumulativeLabel(state, j), state.header.SexName(s),
               st.SexCumDurN(s, j), st.SexCumDurMean(s, j), st.SexCumDurSD(s, j));
    }
    Life06Gosub1780(state.files.file3);
  }
}

void Life06Gosub1140(AnalysisState& state) {
  const SpanStatistics& sp = state.span;
  printRow(state.files.file3, spanLabel(state, "Adult"), "All", sp.SpanN, sp.SpanMean, sp.SpanSD);
}

void Life06Gosub1320(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const SpanStatistics& sp = state.span;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    printRow(out, spanLabel(state, "Adult   "), state.header.SexName(s), sp.SexSpanN(s),
             sp.SexSpanMean(s), sp.SexSpanSD(s));
  }
  Life06Gosub1745(out);
  printTo(out).tab(28).text("Consumption Rate").endLine();
  Life06Gosub1740(out);
}

void Life06Gosub1800(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    printCountedRow(state.files.file3, stageLabel(state, j, "Adult "), st.StageConsN(j),
                    st.StageConsMean(j), st.StageConsSD(j));
  }
  Life06Gosub1780(state.files.file3);
}

void Life06Gosub1990(AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 1; j <= state.header.NumStages; ++j) {
      printRow(state.files.file3, stageLabel(state, j, "Adult "), state.header.SexName(s),
               st.SexStageConsN(s, j), st.SexStageConsMean(s, j), st.SexStageConsSD(s, j));
    }
    Life06Gosub1780(state.files.file3);
  }
}

void Life06Gosub1995(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const LongevityStatistics& lg = state.longevity;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    const std::string& letter = state.header.SexName(s);
    if (letter == "F") {
      printPreadultRow(out, letter, lg.PreadultConsFN, lg.PreadultConsFMean, lg.PreadultConsFSD,
                       lg.PreadultConsFSE);
    } else if (letter == "M") {
      printPreadultRow(out, letter, lg.PreadultConsMN, lg.PreadultConsMMean, lg.PreadultConsMSD,
                       lg.PreadultConsMSE);
    } else if (letter == "N") {
      printPreadultRow(out, letter, lg.PreadultConsNN, lg.PreadultConsNMean, lg.PreadultConsNSD,
                       lg.PreadultConsNSE);
    } else {
      // No statistics are kept for another letter: the label and letter only;
      // the next row's column 5 starts a new line.
      printTo(out).tab(5).text("Preadult ").tab(22).text(letter);
    }
  }
  Life06Gosub1780(out);
}

void Life06Gosub1550(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const SpanStatistics& sp = state.span;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    printRow(out, "All stage", state.header.SexName(s), sp.SexLifetimeConsN(s),
             sp.SexLifetimeConsMean(s), sp.SexLifetimeConsSD(s));
  }
  Life06Gosub1780(out);
  printRow(out, "All stage", "All", state.header.NumIndividuals, sp.LifetimeConsMean,
           sp.LifetimeConsSD);
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
