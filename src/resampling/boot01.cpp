#include "resampling/boot01.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/statistics.h"
#include "predation/predation_rates.h"
#include "report/report_writer.h"
#include "resampling/c0_frequency_classes.h"
#include "resampling/resampling_table_head.h"

namespace vorelan {
namespace {

constexpr const char* Title = ". Table of bootstrap samples";

int replicates(const AnalysisState& state) { return state.bootstrap.NumBootstrap; }

void add(ReplicateStatistics& s, double v) {
  s.Sum += v;
  s.SumSq += v * v;
}

// Mean, variance (never negative) and S.E. of the B values added.
void finish(ReplicateStatistics& s, int b) {
  s.Mean = statistics::mean(s.Sum, b);
  s.Var = statistics::variance(s.Sum, s.SumSq, b);
  s.SE = std::sqrt(s.Var);
}

// C0's statistics into the state, and its classes.
void summariseC0(AnalysisState& state) {
  const int b = replicates(state);
  ReplicateStatistics c0;
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(b));
  for (int i = 1; i <= b; ++i) {
    values.push_back(state.bootstrap.BootC0(i));
    add(c0, values.back());
  }
  finish(c0, b);
  state.bootstrap.BootC0Mean = c0.Mean;
  state.bootstrap.BootC0Var = c0.Var;
  state.bootstrap.BootC0SE = c0.SE;
  classifyC0(state.bootstrap.BootClasses, values, C0ClassRule::Bootstrap);
}

// A variance is printed with fewer decimals once it is large.
void variance(PrintRecord& line, int column, double v, double large, int largeDecimals, int decimals) {
  line.tab(column).rounded(v, v > large ? largeDecimals : decimals);
}

void printBoot01Table(TextOutputFile& out, AnalysisState& state) {
  const BootstrapState& boot = state.bootstrap;
  printResamplingTableHead(out, state, Title);
  printRule(out, 5, '=', 37);
  printTo(out).tab(5).text("Bootstrap no.").tab(22).text("Net consumption rate").endLine();
  printRule(out, 5, '-', 37);
  for (int b = 1; b <= replicates(state); ++b) printTo(out).tab(5).number(b).tab(26).rounded(boot.BootC0(b), 4).endLine();
  printRule(out, 5, '-', 37);
  printTo(out).tab(5).text("Mean").tab(26).rounded(boot.BootC0Mean, 4).endLine();
  PrintRecord varianceRow = printTo(out).tab(5).text("Variance");
  variance(varianceRow, 26, boot.BootC0Var, 10000, 2, 4);
  varianceRow.endLine();
  printTo(out).tab(5).text("S.E.").tab(26).rounded(boot.BootC0SE, 4).endLine();
  printRule(out, 5, '-', 37);
  printTo(out).tab(5).text("Original").tab(26).rounded(state.run.BasicRunC0, 4).endLine();
  printRule(out, 5, '-', 37);
  const std::string equals = "    " + repeated('=', 67);
  for (const std::string& line :
       {std::string("    Original is the parameter calculated using all individuals."), equals,
        std::string("    If you don't use the same bootstrap samples of life table analysis,"),
        std::string("    you cannot estimate the standard errors of Qp."), equals}) {
    printTo(out).text(line).endLine();
  }
}

// One row of the same-samples table: C0, Ro, Qp, Psi, FP to 4 decimals,
// lambda to 6. A value that was never formed is NaN, printed "-".
struct SameRow {
  double c0, r0, qp, psi, fp, lambda;
};

void printSameRow(PrintRecord line, const SameRow& row) {
  line.tab(15).rounded(row.c0, 4).tab(27).rounded(row.r0, 4).tab(37).rounded(row.qp, 4);
  line.tab(50).rounded(row.psi, 4).tab(60).rounded(row.fp, 4).tab(70).rounded(row.lambda, 6).endLine();
}

void printSameHeads(TextOutputFile& out) {
  printTo(out).tab(18).text("Co").tab(30).text("Ro").tab(40).text("Qp").tab(50).text(" Psi").tab(60).text(" FP (FC)")
      .tab(73).text("lambda").endLine();
}

void printBoot01SameTable(TextOutputFile& out, AnalysisState& state) {
  const BootstrapState& boot = state.bootstrap;
  const BootstrapSummary& sum = state.bootSummary;
  printResamplingTableHead(out, state, Title);
  printRule(out, 5, '=', 75);
  printSameHeads(out);
  printRule(out, 5, '-', 75);
  printSameRow(printTo(out).tab(5).text("Original"),
               {state.run.BasicRunC0, boot.OrigR0, originalRowQp(state), wholeCohortPsi(state), wholeCohortOmega(state),
                boot.OrigLambda});
  printRule(out, 5, '-', 75);
  printSameRow(printTo(out).tab(5).text("Mean"),
               {boot.BootC0Mean, boot.SamplesR0Mean, sum.BootQpStats.Mean, sum.BootPsiStats.Mean,
                sum.BootOmegaStats.Mean, boot.SamplesLambdaMean});
  PrintRecord varianceRow = printTo(out).tab(5).text("Variance");
  variance(varianceRow, 15, boot.BootC0Var, 10000, 2, 4);
  variance(varianceRow, 27, boot.SamplesR0Var, 10000, 2, 3);
  variance(varianceRow, 37, sum.BootQpStats.Var, 10000, 2, 4);
  variance(varianceRow, 50, sum.BootPsiStats.Var, 10000, 2, 4);
  variance(varianceRow, 60, sum.BootOmegaStats.Var, 10000, 2, 4);
  variance(varianceRow, 70, boot.SamplesLambdaVar, 100, 4, 6);
  varianceRow.endLine();
  printSameRow(printTo(out).tab(5).text("S.E."),
               {boot.BootC0SE, boot.SamplesR0SE, sum.BootQpStats.SE, sum.BootPsiStats.SE, sum.BootOmegaStats.SE,
                boot.SamplesLambdaSE});
  printRule(out, 5, '-', 75);
  for (int b = 1; b <= replicates(state); ++b) {
    printSameRow(printTo(out).tab(5).number(b), {boot.BootC0(b), boot.BootR0(b), sum.BootQp(b), boot.BootPsi(b),
                                                 boot.BootOmega(b), boot.BootLambda(b)});
  }
  printRule(out, 5, '-', 75);
  printSameHeads(out);
  printRule(out, 5, '-', 75);
  for (const char* line : {"    Original parameters are calculated using all individuals.",
                           "    Co: Net predation rate; Ro: Net reproductive rate.",
                           "    FP: Finite predation rate; FC: Finite consumption rate.",
                           "    Psi: Stable predation rate; lambda: Finate rate."}) {
    printTo(out).text(line).endLine();
  }
}

// The statistics of the replicates' stage mean consumption, of all
// individuals and of every sex line, stage by stage.
void summariseStageConsumption(AnalysisState& state) {
  const BootstrapState& boot = state.bootstrap;
  BootstrapSummary& sum = state.bootSummary;
  sum.BootStageCons = {};
  sum.BootSexStageCons = {};
  const int lines = state.header.NumSexes;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    for (int b = 1; b <= replicates(state); ++b) {
      add(sum.BootStageCons[j], boot.BootStageConsMean(b, j));
      for (int s = 1; s <= lines; ++s) add(sum.BootSexStageCons[s][j], boot.BootSexStageConsMean(b, s, j));
    }
    finish(sum.BootStageCons[j], replicates(state));
    for (int s = 1; s <= lines; ++s) finish(sum.BootSexStageCons[s][j], replicates(state));
  }
}

void summarisePredationRates(AnalysisState& state) {
  const BootstrapState& boot = state.bootstrap;
  BootstrapSummary& sum = state.bootSummary;
  const int b = replicates(state);
  sum.BootQp.reset(static_cast<std::size_t>(b) + 1);
  sum.BootQpStats = sum.BootPsiStats = sum.BootOmegaStats = {};
  for (int i = 1; i <= b; ++i) {
    // Ro(b) is never 0: the samples file is refused then.
    sum.BootQp(i) = boot.BootC0(i) / boot.BootR0(i);
    add(sum.BootQpStats, sum.BootQp(i));
    add(sum.BootPsiStats, boot.BootPsi(i));
    add(sum.BootOmegaStats, boot.BootOmega(i));
  }
  finish(sum.BootQpStats, b);
  finish(sum.BootPsiStats, b);
  finish(sum.BootOmegaStats, b);
}

}  // namespace

double originalRowQp(const AnalysisState& state) {
  if (!state.bootSummary.HasQp) return std::numeric_limits<double>::quiet_NaN();
  return state.run.BasicRunC0 / state.bootstrap.OrigR0;
}

void Boot01(AnalysisState& state) {
  summariseC0(state);
  printBoot01Table(state.files.file3, state);
}

void Boot01Same(AnalysisState& state) {
  summariseStageConsumption(state);
  summarisePredationRates(state);
  summariseC0(state);
  printBoot01SameTable(state.files.file3, state);
}

}  // namespace vorelan
