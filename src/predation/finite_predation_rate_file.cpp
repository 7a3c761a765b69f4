#include "predation/finite_predation_rate_file.h"

#include <array>

#include "datafile/data_file_error.h"
#include "predation/sasd_file.h"
#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {
namespace {

// The print columns of TPOP, TPOPCon, OviP, OviCon, PostP and PostCon.
constexpr std::array<int, FemalePeriodCount> PeriodColumns = {10, 20, 35, 45, 55, 65};

void printRule80(TextOutputFile& out, char character) { printTo(out).text(repeated(character, 80)).endLine(); }

void printRateLines(TextOutputFile& out, const PredationState& p) {
  printTo(out).text("Finite rate =").number(p.Lambda).endLine();
  printTo(out).text("Psi =").number(p.Psi).endLine();
  printTo(out).text("Finite Predation Rate =").number(p.Omega).endLine();
  // Without a positive omega there is no logarithm: "-" stands for it.
  PrintRecord intrinsic = printTo(out);
  intrinsic.text("Intrinsic Predation Rate =");
  if (p.HasIntrinsicPredationRate) {
    intrinsic.number(p.IntrinsicPredationRate).endLine();
  } else {
    intrinsic.text(" -").endLine();
  }
}

void printHead(TextOutputFile& out) {
  constexpr std::array<const char*, FemalePeriodCount> names = {"TPOP",   "TPOPCon", "OviP",
                                                                "OviCon", "PostP",   "PostCon"};
  PrintRecord head = printTo(out);
  head.text("Ind.");
  for (int q = 0; q < FemalePeriodCount; ++q) head.tab(PeriodColumns[q]).text(names[q]);
  head.endLine();
}

void printFemaleRows(TextOutputFile& out, const AnalysisState& state) {
  const PredationState& p = state.predation;
  for (int k = 1; k <= state.header.NumIndividuals; ++k) {
    if (!isReproductiveFemale(p.SASDSex(k), p.Fecundity(k))) continue;
    const std::array<double, FemalePeriodCount> values = {
        p.TPOP(k), p.TPOPCon(k), p.LastOviAge(k) - p.TPOP(k) + 1, p.OviCon(k), p.PostP(k), p.PostCon(k)};
    PrintRecord row = printTo(out);
    row.number(k);
    for (int q = 0; q < FemalePeriodCount; ++q) row.tab(PeriodColumns[q]).number(values[q]);
    row.endLine();
  }
}

// One statistics row: the label, then each quantity's statistic rounded to
// 2 decimals where it can be formed, else "-" where its digits would stand.
template <class Statistic>
void printStatisticRow(TextOutputFile& out, const PredationState& p, const char* label, bool formed,
                       Statistic statistic) {
  PrintRecord row = printTo(out);
  row.text(label);
  for (int q = 0; q < FemalePeriodCount; ++q) {
    if (formed) {
      row.tab(PeriodColumns[q]).rounded(statistic(p.PeriodStatistics[static_cast<std::size_t>(q)]), 2);
    } else {
      row.tab(PeriodColumns[q] + 1).text("-");
    }
  }
  row.endLine();
}

void printStatistics(TextOutputFile& out, const PredationState& p) {
  const double n = p.ReproFemaleCount;
  PrintRecord count = printTo(out);
  count.text("n");
  for (int column : PeriodColumns) count.tab(column).number(n);
  count.endLine();
  printRule80(out, '-');
  printStatisticRow(out, p, "Mean", n > 0, [](const FemalePeriodStatistics& s) { return s.Mean; });
  printRule80(out, '-');
  printStatisticRow(out, p, "SD", n > 1, [](const FemalePeriodStatistics& s) { return s.SD; });
  printRule80(out, '-');
  printStatisticRow(out, p, "SE", n > 1, [](const FemalePeriodStatistics& s) { return s.SE; });
  printRule80(out, '-');
}

void printLegend(TextOutputFile& out) {
  for (const char* line : {"TPOP: total preoviposition period.", "TPOPCon: Total consumption during TPOP.",
                           "OviP: Oviposition period.", "OviCon: Total consumption during oviposition period.",
                           "PostP: Post oviposition period.",
                           "PostCon: Total consumption during post oviposition period."}) {
    printTo(out).text(line).endLine();
  }
}

void fillFinitePredationRateFile(TextOutputFile& out, const AnalysisState& state) {
  const PredationState& p = state.predation;
  writeRecord(out, {state.header.ProjectName});
  writeRecord(out, {state.header.ExperimentDate});
  writeRecord(out, {state.header.ResearcherName});
  printRateLines(out, p);
  printTo(out).text("").endLine();
  printRule80(out, '=');
  printHead(out);
  printRule80(out, '-');
  printFemaleRows(out, state);
  printRule80(out, '-');
  printStatistics(out, p);
  printLegend(out);
}

}  // namespace

bool WriteFinitePredationRateFile(AnalysisState& state, Platform& /*platform*/) {
  state.report.OutputFileName = state.report.BaseFileName + FinitePredationRateSuffix;
  return writeSingleFile(state.files.file1, state.report.OutputFileName, state.files,
                         [&state](TextOutputFile& out) { fillFinitePredationRateFile(out, state); });
}

std::string finitePredationRateMessage(double psi, double omega) {
  return "Psi =" + messageNumber(psi) + ".  Finite predation rate =" + messageNumber(omega);
}

}  // namespace vorelan
