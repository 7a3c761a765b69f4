#include "resampling/compare_two_bootstraps.h"

#include <cmath>

#include "model/statistics.h"
#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {

std::optional<BootstrapComparison> compareBootstraps(double mean1, double var1,
                                                     const SecondTreatment& second) {
  statistics::Accumulator values;
  for (double v : second.CompareValue) values.add(v);
  BootstrapComparison c;
  c.CompareMean = values.mean();
  c.CompareVar = values.variance();
  c.CompareSE = std::sqrt(c.CompareVar);
  const double root = std::sqrt(var1 + c.CompareVar);
  if (!(root > 0) || !std::isfinite(root)) return std::nullopt;
  c.CompareT = std::fabs(c.CompareMean - mean1) / root;
  return c;
}

bool printComparison(AnalysisState& state, Platform& /*platform*/) {
  const BootstrapState& one = state.bootstrap;
  const ComparisonState& two = state.comparison;
  state.report.ReportFileName = state.report.BaseFileName + CompareOutputSuffix;
  return writeSingleFile(state.files.file3, state.report.ReportFileName, state.files, [&](TextOutputFile& out) {
    printTo(out).text("Treatment 1: ").text(state.header.ProjectName).endLine();
    printTo(out).text("Treatment 2: ").text(two.CompareTitle1).endLine();
    printRule(out, 1, '=', 60);
    printTo(out).tab(17).text("Treatment 1").tab(42).text("Treatment 2").endLine();
    printRule(out, 1, '-', 60);
    printTo(out).text("Mean =").tab(15).number(one.BootC0Mean).tab(40).number(two.CompareMean).endLine();
    printTo(out).text("Variance =").tab(15).number(one.BootC0Var).tab(40).number(two.CompareVar).endLine();
    printTo(out).text("SE =").tab(15).number(one.BootC0SE).tab(40).number(two.CompareSE).endLine();
    printRule(out, 1, '-', 60);
    printTo(out).text("t-value =").number(two.CompareT).endLine();
    printTo(out).text(" ").endLine();
    printTo(out).text("").endLine();
  });
}

}  // namespace vorelan
