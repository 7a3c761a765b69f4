#include "resampling/jack01.h"

#include <cmath>
#include <vector>

#include "model/statistics.h"
#include "report/report_writer.h"
#include "resampling/c0_frequency_classes.h"
#include "resampling/resampling_table_head.h"

namespace vorelan {
namespace {

constexpr int RuleWidth = 42;
constexpr int ValueColumn = 30;
constexpr double LargestVarianceWithDecimals = 1000000;

std::vector<double> pseudoValues(const AnalysisState& state) {
  std::vector<double> values;
  for (int k = 1; k <= state.header.NumIndividualsInFile; ++k) values.push_back(state.jackknife.JackPseudoC0(k));
  return values;
}

void computeStatistics(JackknifeState& jack, const std::vector<double>& values) {
  statistics::Accumulator all;
  for (double v : values) all.add(v);
  jack.JackMean = all.mean();
  jack.JackVar = all.variance();
  jack.JackSD = std::sqrt(jack.JackVar);
  jack.JackSE = statistics::standardError(jack.JackSD, all.n);
}

void printLabelled(TextOutputFile& out, const char* label, double value) {
  printTo(out).tab(5).text(label);
  printTo(out).tab(ValueColumn).rounded(value, 2).endLine();
}

void printVariance(TextOutputFile& out, double variance) {
  printTo(out).tab(5).text("Variance");
  if (variance <= LargestVarianceWithDecimals) {
    printTo(out).tab(ValueColumn).rounded(variance, 2).endLine();
  } else {
    printTo(out).tab(ValueColumn).text(wholeNumberText(roundHalfEven(variance, 0))).endLine();
  }
}

void printJackknifeTable(TextOutputFile& out, AnalysisState& state, const std::vector<double>& values) {
  const JackknifeState& jack = state.jackknife;
  printResamplingTableHead(out, state, JackknifeTableTitle);
  printRule(out, 5, '=', RuleWidth);
  printTo(out).tab(5).text("Omitted no.").tab(20).text("Pseudo-net predation rate").endLine();
  printRule(out, 5, '-', RuleWidth);
  for (std::size_t k = 1; k <= values.size(); ++k) {
    printTo(out).tab(5).number(static_cast<double>(k)).tab(ValueColumn).rounded(values[k - 1], 2).endLine();
  }
  printRule(out, 5, '-', RuleWidth);
  printLabelled(out, "Mean", jack.JackMean);
  printVariance(out, jack.JackVar);
  printLabelled(out, "S.D.", jack.JackSD);
  printLabelled(out, "S.E.", jack.JackSE);
  printRule(out, 5, '-', RuleWidth);
  printLabelled(out, "Original", jack.JackFullC0);
  printRule(out, 5, '-', RuleWidth);
  printTo(out).text("    Original are the parameters calculated using all individuals.").endLine();
}

}  // namespace

void jack01(AnalysisState& state, Platform& /*platform*/) {
  const std::vector<double> values = pseudoValues(state);
  computeStatistics(state.jackknife, values);
  classifyC0(state.jackknife.JackClasses, values, C0ClassRule::Jackknife);
  printJackknifeTable(state.files.file3, state, values);
}

}  // namespace vorelan
