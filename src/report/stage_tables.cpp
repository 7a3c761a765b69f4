#include "report/stage_tables.h"

#include "report/stage_name_header.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

void printStageTableHead(AnalysisState& state) {
  ReportPageHead(state.files.file3, state.report, {PageMark::OwnLine, 70, TableLineForm::B},
                 state.report.TableTitle);
  PrintStageName(state);
}

// One value per stage column, its first digit under the stage name; a tested
// value of 0 prints "0" in that place.
void printStageValueRow(AnalysisState& state, const Array1<double>& tested, const Array1<double>& values,
                        int decimals) {
  TextOutputFile& out = state.files.file3;
  const int columns = state.header.NumStages + 1;
  PrintRecord row = printTo(out);
  for (int j = 1; j <= columns; ++j) {
    if (tested(j) == 0) {
      row.tab(11 * (j - 1) + 5).text("   0");
    } else {
      row.tab(11 * (j - 1) + 7).rounded(values(j), decimals);
    }
  }
  row.text(" ").endLine();
  printTo(out).text(" ").text(repeated('-', columns * 11 + 2)).endLine();
}

}  // namespace

void PrintStageNetConsumptionRate(AnalysisState& state) {
  const AgeVectors& v = state.ageVectors;
  printStageTableHead(state);
  printStageValueRow(state, v.Zj, v.Zj, 4);
  printTo(state.files.file3)
      .text(" Total net consumption rate =")
      .number(v.TotalNetConsumptionRate)
      .endLine();
}

void PrintSumOfStageSxj(AnalysisState& state) {
  printStageTableHead(state);
  printStageValueRow(state, state.matrices.Sj, state.matrices.Sj, 4);
}

void PrintStageWeightingCoef(AnalysisState& state) {
  AgeVectors& v = state.ageVectors;
  const Array1<double>& sj = state.matrices.Sj;
  printStageTableHead(state);
  for (int j = 1; j <= state.header.NumStages + 1; ++j) {
    if (sj(j) != 0) v.CjFromMatrices(j) = v.Zj(j) / sj(j);
  }
  printStageValueRow(state, sj, v.CjFromMatrices, 6);
}

}  // namespace vorelan
