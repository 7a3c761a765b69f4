#include "predation/sasd_tables.h"

#include "predation/stable_predation_rate.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

int stageColumns(const AnalysisState& state) { return state.header.NumStages + 1; }

void printTableRule(AnalysisState& state) { printRule(state.files.file3, 5, '-', stageColumns(state) * 10 - 1); }

void printHeading(AnalysisState& state) {
  PrintRecord line = printTo(state.files.file3);
  line.tab(5).text(" Age");
  for (int j = 1; j <= stageColumns(state); ++j) line.text("   ").tab(8 * j + 5).text(state.header.StageName(1, j));
  line.endLine();
}

bool withinStageAges(const AnalysisState& state, int x, int j) {
  const Array2<double>& range = state.matrices.StageAgeRange;
  return range(j, 1) <= x && x <= range(j, 2);
}

void printRows(AnalysisState& state) {
  const Array2<double>& buffer = state.ageVectors.TableBuffer;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    PrintRecord row = printTo(state.files.file3);
    row.tab(5).number(x * state.run.TimeUnit);
    for (int j = 1; j <= stageColumns(state); ++j) {
      if (!withinStageAges(state, x, j)) {
        row.tab(8 * j + 6).text("-");
      } else if (buffer(x, j) <= 0) {
        row.tab(8 * j + 6).text("0");
      } else {
        row.tab(8 * j + 5).number(buffer(x, j));
      }
    }
    row.endLine();
  }
}

// TableBuffer(x,j) = the rounded cell(x,j) for ages 0..MaxAge and columns 1..m+1.
template <class Cell>
void fillBuffer(AnalysisState& state, Cell cell) {
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= stageColumns(state); ++j) state.ageVectors.TableBuffer(x, j) = cell(x, j);
  }
}

// Head, rule, stage names, rule, one row per age, rule.
void printAgeStageTable(AnalysisState& state) {
  ReportPageHead(state.files.file3, state.report, {PageMark::OwnLine, 70, TableLineForm::C},
                 state.report.TableTitle);
  printTableRule(state);
  printHeading(state);
  printTableRule(state);
  printRows(state);
  printTableRule(state);
}

}  // namespace

double roundProductCell(double value) {
  if (value < 1) return roundHalfEven(value, 4);
  if (value < 100) return roundHalfEven(value, 2);
  if (value < 10000) return roundHalfEven(value, 0);
  return value;
}

void PrintSASD(AnalysisState& state) {
  if (state.run.SASDRead != "Yes") return;
  state.report.TableTitle = " Stable age-stage distribution (Total population = 1)";
  const Array2<double>& a = state.predation.SASD;
  fillBuffer(state, [&a](int x, int j) { return roundHalfEven(a(x, j), 4); });
  printAgeStageTable(state);
  printTo(state.files.file3).text(" ").endLine();
}

void PrintProductOfSASDandCxj(AnalysisState& state) {
  PredationState& p = state.predation;
  TextOutputFile& out = state.files.file3;
  state.report.TableTitle = " Product of SASD*Cxj (Total population = 1)";
  const Array2<double>& c = state.matrices.Cxj;
  p.TablePsi = StablePredationRate(p.SASD, c, state.stageStats.MaxAge, stageColumns(state));
  fillBuffer(state, [&](int x, int j) { return roundProductCell(predationAt(p.SASD, c, x, j)); });
  printAgeStageTable(state);
  printTo(out).tab(5).text("Stable predation rate (psi):").number(p.TablePsi).endLine();
  printTo(out).tab(5).text("psi: Total consumption of a population at SASD (population size = 1)").endLine();
  printTo(out).tab(5).text("Finite predation rate (omega)=").number(p.TablePsi * p.Lambda).endLine();
  printTo(out).text(" ").endLine();
}

}  // namespace vorelan
