#include "report/matrix_tables.h"

#include <string>
#include <utility>

#include "report/effective_consumer_lines.h"
#include "report/report_writer.h"
#include "report/stage_name_header.h"
#include "report/stage_tables.h"

namespace vorelan {
namespace {

int stageColumns(const AnalysisState& state) { return state.header.NumStages + 1; }

// The rules of a matrix table: a blank and (m+1)*10+10 characters.
void printMatrixRule(AnalysisState& state, char character) {
  printRule(state.files.file3, 2, character, stageColumns(state) * 10 + 10);
}

void roundTableBuffer(AnalysisState& state) {
  Array2<double>& buffer = state.ageVectors.TableBuffer;
  for (int j = 1; j <= stageColumns(state); ++j) {
    for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
      const double cell = buffer(x, j);
      buffer(x, j) = roundHalfEven(cell, cell > 100000 ? 2 : 4);
    }
  }
}

void printMatrixHeading(AnalysisState& state) {
  PrintRecord line = printTo(state.files.file3);
  line.text(" Age");
  for (int j = 1; j <= stageColumns(state); ++j) {
    line.text("   ").tab(10 * j).text(state.header.StageName(1, j));
  }
  line.text(" ").endLine();
}

bool outsideStageAges(const AnalysisState& state, int x, int j) {
  const Array2<double>& range = state.matrices.StageAgeRange;
  return x < range(j, 1) || x > range(j, 2);
}

void printMatrixRows(AnalysisState& state) {
  const Array2<double>& buffer = state.ageVectors.TableBuffer;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    PrintRecord row = printTo(state.files.file3);
    row.number(x * state.run.TimeUnit);
    for (int j = 1; j <= stageColumns(state); ++j) {
      if (outsideStageAges(state, x, j)) {
        row.tab(10 * j + 1).text("-");
      } else if (buffer(x, j) <= 0) {
        row.tab(10 * j + 1).text("0");
      } else {
        row.tab(10 * j).number(buffer(x, j));
      }
    }
    row.text(" ").endLine();
  }
}

void setMatrixTitles(AnalysisState& state, std::string title, std::string subtitle, std::string note) {
  state.report.TableTitle = std::move(title);
  state.report.TableSubtitle = std::move(subtitle);
  state.report.TableNote = std::move(note);
}

template <class Cell>
void fillTableBuffer(AnalysisState& state, Cell cell) {
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= stageColumns(state); ++j) state.ageVectors.TableBuffer(x, j) = cell(x, j);
  }
}

void printMatrixN(AnalysisState& state) {
  setMatrixTitles(state, " Age-stage-specific survival - Actual number (matrix N)",
                  " (The survival number n(x,j) at each age-stage unit)",
                  " Attention!  This matrix N should be exactly the same as Halvek output.");
  fillTableBuffer(state, [&](int x, int j) { return double(state.matrices.Nxj(x, j)); });
  Life04Gosub870(state);
}

void printMatrixC(AnalysisState& state) {
  setMatrixTitles(state, " Age-stage-specific consumption rate (Matrix C)",
                  " (Mean consumption rate at each age-stage unit)", " C(x,j) = T(x,j)/N(x,j)");
  fillTableBuffer(state, [&](int x, int j) { return state.matrices.Cxj(x, j); });
  Life04Gosub870(state);
}

// Matrix B = s(x,j)c(x,j); its sum is the net consumption rate C0, its
// column sums z(j).
void printMatrixB(AnalysisState& state) {
  AgeVectors& v = state.ageVectors;
  setMatrixTitles(state, " Age-stage-specific net consumption rate (Matrix B)", " B(x,j) = S(x,j)*C(x,j)",
                  " ");
  v.TempSum = 0;
  v.TotalNetConsumptionRate = 0;
  for (int j = 1; j <= stageColumns(state); ++j) v.Zj(j) = 0;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= stageColumns(state); ++j) {
      const double b = state.matrices.Cxj(x, j) * state.matrices.Sxj(x, j);
      v.TableBuffer(x, j) = b;
      v.TempSum += b;
      v.Zj(j) += b;
      v.TotalNetConsumptionRate += b;
    }
  }
  Life04Gosub870(state);
  printTo(state.files.file3)
      .text(" Sum of matrix B =")
      .number(v.TempSum)
      .text(" (It is the net predation rate or net consumption rate.)")
      .endLine();
}

void printStageTables(AnalysisState& state) {
  state.report.TableTitle = " Stage-specific net consumption rate z(j)";
  PrintStageNetConsumptionRate(state);
  state.report.TableTitle = " s(j): Sum of s(x,j) of each stage";
  PrintSumOfStageSxj(state);
  state.report.TableTitle = " Daily mean consumption rate based on z(j) and s(j)";
  PrintStageWeightingCoef(state);
}

// Matrix T with its column sums, its row sums T(x) and the cohort's total.
void printMatrixT(AnalysisState& state) {
  AgeVectors& v = state.ageVectors;
  TextOutputFile& out = state.files.file3;
  setMatrixTitles(state, " Age-stage-specific total consumption (Matrix T)",
                  " T(x,j) is the total consumption of all individuals at age unit [=n(x,j)*c(x,j)]", "");
  v.TotalCohortConsumption = 0;
  for (int j = 1; j <= stageColumns(state); ++j) v.MatrixTColumnSum(j) = 0;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    v.Tx(x) = 0;
    for (int j = 1; j <= stageColumns(state); ++j) {
      const double t = state.cohort.Txj(x, j);
      v.TableBuffer(x, j) = t;
      v.MatrixTColumnSum(j) += t;
      v.Tx(x) += t;
    }
    v.TotalCohortConsumption += v.Tx(x);
  }
  Life04Gosub870(state);
  PrintStageName(state);
  PrintRecord sums = printTo(out);
  sums.text(" Sum");
  for (int j = 1; j <= stageColumns(state); ++j) sums.tab(11 * (j - 1) + 7).number(v.MatrixTColumnSum(j));
  sums.text(" ").endLine();
  printMatrixRule(state, '=');
  printTo(out).text(" Total cohort consumption =").number(v.TotalCohortConsumption).endLine();
  printMatrixRule(state, '=');
  printTo(out).text("").endLine();
}

void printMatrixS(AnalysisState& state) {
  state.report.TableTitle = " Age-stage-survival rate (Matrix S)";
  state.report.TableSubtitle = " S(x,j) = N(x,j)/" + signedText(state.header.NumIndividuals);
  fillTableBuffer(state, [&](int x, int j) { return state.matrices.Sxj(x, j); });
  Life04Gosub870(state);
}

// l(x), k(x), q(x) and T(x) by age; each row is left open and ended by the
// Tab of the next one. C0 is summed again from the printed rows.
void printSurvivalAndConsumptionTable(AnalysisState& state) {
  AgeVectors& v = state.ageVectors;
  TextOutputFile& out = state.files.file3;
  ReportPageHead(out, state.report, {PageMark::OwnLine, 70, TableLineForm::A},
                 ". Age-specific survival rate l(X) and consumption rate ");
  printRule(out, 5, '=', 63);
  printTo(out).tab(5).text(" Age    l(x)     k(x)         q(x)     Total cohort consumption").endLine();
  printRule(out, 5, '-', 63);
  v.PrintedC0 = 0;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    PrintRecord row = printTo(out);
    row.tab(5).number(x * state.run.TimeUnit).tab(12).rounded(v.Lx(x), 3);
    if (v.Kx(x) > 0) {
      row.tab(21).rounded(v.Kx(x), 4);
    } else {
      row.tab(22).text("0");
    }
    if (v.Qx(x) > 0) {
      row.tab(34).rounded(v.Qx(x), 4);
    } else {
      row.tab(35).text("0");
    }
    v.PrintedC0 += v.Qx(x);
    row.tab(50).rounded(v.Tx(x), v.Tx(x) > 100000 ? 2 : 4);
  }
  printRule(out, 5, '-', 63);
}

// C0, N, Nc and Cbar and their two consistent relationships. Without an
// effective consumer (Nc = 0) there is no Cbar: "-" stands for it and for the
// quantities formed from it.
void printConsumptionSummary(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const double c0 = state.ageVectors.PrintedC0;
  const int n = state.header.NumIndividuals;
  const int nc = state.longevity.Nc;
  const double cbar = state.longevity.Cbar;
  const bool hasCbar = nc > 0;
  const std::string stars = repeated('*', 79);

  printTo(out).tab(5).text("The net consumption rate (Co) is").rounded(c0, 3).text(".").endLine();
  printValueLine(out, "The total number of individuals used in this study: N =", true, n);
  printValueLine(out, "The total consumption of the cohort Co * N =", true, n * c0, 2);
  printValueLine(out, "The total number of effective predator (Nc or Np) =", true, nc);
  printValueLine(out, "The mean predation rate of effective predator (Cbar or Pbar) =", hasCbar, cbar, 2);
  printValueLine(out, "The total consumption of the cohort is Nc*Cbar or Np*Pbar =", hasCbar, nc * cbar, 2);
  printValueLine(out, "Nc/N or Np/N =", n > 0, n > 0 ? double(nc) / n : 0, 4);
  printValueLine(out, "Co/(Cbar) or Po/(Pbar) =", hasCbar, hasCbar ? c0 / cbar : 0, 4);
  printTo(out).tab(5).text("Nc or Np: the number of individuals with predation rate > 0.").endLine();
  printTo(out).tab(5).text(stars).endLine();
  printTo(out)
      .tab(5)
      .text("The consistent relationships Co*N = Nc * Cbar and Nc/N = Co/Cbar demonstrate")
      .endLine();
  printTo(out)
      .tab(5)
      .text("the correctness of predation theory based on the age-stage, two-sex life table.")
      .endLine();
  printTo(out).tab(5).text(stars).endLine();
}

}  // namespace

void Life04Gosub870(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  ReportPageHead(out, state.report, {PageMark::OwnLine, 70, TableLineForm::B}, state.report.TableTitle);
  roundTableBuffer(state);
  printTo(out).tab(10).text(state.report.TableSubtitle).endLine();
  printMatrixRule(state, '=');
  printMatrixHeading(state);
  printMatrixRule(state, '-');
  printMatrixRows(state);
  printMatrixRule(state, '-');
  printTo(out).text(state.report.TableNote).endLine();
}

void PrintLife04MatrixTables(AnalysisState& state, Platform&) {
  printMatrixN(state);
  printMatrixC(state);
  printMatrixB(state);
  printStageTables(state);
  printMatrixT(state);
  printMatrixS(state);
  printSurvivalAndConsumptionTable(state);
  printConsumptionSummary(state);
}

}  // namespace vorelan
