#include "report/weighting_coefficient_table.h"

#include "report/report_writer.h"
#include "report/sex_lines.h"

namespace vorelan {
namespace {

void equalsRule(TextOutputFile& out) { printRule(out, 5, '=', 62); }
void dashRule(TextOutputFile& out) { printRule(out, 5, '-', 62); }

void printRow(TextOutputFile& out, const WeightingRow& row, double maxCj) {
  PrintRecord line = printTo(out);
  line.tab(5).text(row.stage).tab(19).text(row.group).tab(27);
  row.n ? line.number(*row.n) : line.text("0");
  if (row.cj) {
    line.tab(34).rounded(*row.cj, 4).tab(49);
    maxCj != 0 ? line.rounded(*row.cj / maxCj, 4) : line.text(" 0");
  } else {
    line.tab(34).text(" 0").tab(49).text(" 0");
  }
  line.tab(61).text(" ").endLine();
}

}  // namespace

int femaleSexLine(const CohortHeader& header) { return sexLineOf(header, "F"); }
int maleSexLine(const CohortHeader& header) { return sexLineOf(header, "M"); }

double weightedSurvivalSum(const AnalysisState& state, const std::vector<double>& cj,
                           double perTimeUnit) {
  const int columns = state.header.NumStages + 1;
  double sum = 0;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= columns; ++j) sum += cj[j] * perTimeUnit * state.matrices.Sxj(x, j);
  }
  return sum;
}

void printWeightingTable(AnalysisState& state, const WeightingTable& table) {
  TextOutputFile& out = state.files.file3;
  ReportPageHead(out, state.report, {PageMark::OwnLine, 60, TableLineForm::A},
                 ". Mean daily consumption rate and weighting coefficient");
  printTo(out).tab(15).text(table.basis).endLine();
  printTo(out).tab(15).text("(You can use them in Brusko program for simulation)").endLine();
  printTo(out).text("").endLine();
  printTo(out).tab(15).text("Max. daily consumption rate: ").text(table.maxCjStageName).endLine();
  equalsRule(out);
  printTo(out).tab(5).text("Stage         Sex      n     Daily mean  Weighting Coef.").endLine();
  printTo(out).tab(5).text("                                c(j)         w(j)       ").endLine();
  dashRule(out);
  for (const WeightingRow& row : table.rows) printRow(out, row, table.maxCj);
  dashRule(out);
  printTo(out)
      .tab(5)
      .text("Sum[Sum[c(j)*s(x,j)]] =")
      .rounded(table.checkSum, table.checkSumDecimals)
      .endLine();
}

}  // namespace vorelan
