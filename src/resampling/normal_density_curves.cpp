#include "resampling/normal_density_curves.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "predation/predation_rates.h"
#include "report/number_text.h"
#include "report/output_file_names.h"
#include "report/report_writer.h"
#include "report/sex_lines.h"
#include "report/single_output_file.h"
#include "resampling/boot01.h"

namespace vorelan {
namespace {

constexpr int LastPoint = 200;

// A curve needs a finite mean and an S.E. above 0 (the density divides by it).
bool canBeDrawn(const DensityCurve& curve) {
  return std::isfinite(curve.DensityMean) && std::isfinite(curve.DensitySE) && curve.DensitySE > 0;
}

std::vector<DensityCurve> stageCurves(const AnalysisState& state) {
  const StageStatistics& st = state.stageStats;
  const BootstrapSummary& sum = state.bootSummary;
  const int m = state.header.NumStages;
  std::vector<DensityCurve> curves;
  for (int j = 1; j < m; ++j) {
    if (st.StageConsMean(j) == 0) continue;
    curves.push_back({signedText(j) + "-" + state.header.StageName(1, j), st.StageConsMean(j),
                      sum.BootStageCons[j].SE});
  }
  if (st.StageConsMean(m) != 0) {
    curves.push_back({signedText(m) + "-Adult", st.StageConsMean(m), sum.BootStageCons[m].SE});
    // The female and male adults are the lines labelled "F" and "M", in
    // whatever order the header lists them; a cohort without one has no
    // curve for it.
    const auto adultsOf = [&](std::string_view letter, const char* label) {
      const int s = sexLineOf(state.header, letter);
      if (s == 0 || st.SexStageConsMean(s, m) == 0) return;
      curves.push_back({signedText(m) + label, st.SexStageConsMean(s, m), sum.BootSexStageCons[s][m].SE});
    };
    adultsOf("F", "-Female Adult");
    adultsOf("M", "-Male Adult");
  }
  return curves;
}

}  // namespace

std::vector<DensityCurve> normalDensityCurves(const AnalysisState& state) {
  std::vector<DensityCurve> curves = stageCurves(state);
  const BootstrapSummary& sum = state.bootSummary;
  curves.push_back({"C0", state.run.BasicRunC0, state.bootstrap.BootC0SE});
  // Centred on the Qp of the table's "Original" row, to the last bit.
  if (sum.HasQp) curves.push_back({"Qp", originalRowQp(state), sum.BootQpStats.SE});
  // Without a distribution read these have no mean (NaN): no curve.
  curves.push_back({"Stable Predation Rate", wholeCohortPsi(state), sum.BootPsiStats.SE});
  curves.push_back({"Finite Predation Rate", wholeCohortOmega(state), sum.BootOmegaStats.SE});
  std::erase_if(curves, [](const DensityCurve& curve) { return !canBeDrawn(curve); });
  return curves;
}

void WriteNormalDensityCurveBegin(AnalysisState& state, Platform& platform) {
  // The curves take their places together once all are written.
  gatherRunFiles(state.files);
  for (const DensityCurve& curve : normalDensityCurves(state)) {
    WriteNormalDensityCurveForXstage(state, platform, curve);
  }
  tellUnwrittenFiles(state, platform);
  platform.message.show("Congratulation!", "Task completed");
}

void WriteNormalDensityCurveForXstage(AnalysisState& state, Platform& /*platform*/, const DensityCurve& curve) {
  const double m = curve.DensityMean;
  const double s = curve.DensitySE;
  const double first = m - 3.5 * s;
  const double last = m + 3.5 * s;
  const double h = (last - first) / LastPoint;
  // The constant 6.28318 stands for 2 pi, as in the files written so far.
  const double c = 1 / (s * std::sqrt(6.28318));

  ReportState& report = state.report;
  report.OutFileSuffix = "_22_Bootstrap-" + fileNameSafe(curve.DensityLabel) + "-Normal density.txt";
  report.ResultFileName = report.BaseFileName + report.OutFileSuffix;
  const CohortHeader& header = state.header;
  const std::int32_t b = state.bootstrap.NumBootstrap;
  writeSingleFile(state.files.file1, report.ResultFileName, state.files, [&](TextOutputFile& out) {
    writeRecord(out, {header.ProjectName});
    writeRecord(out, {header.ResearcherName});
    writeRecord(out, {header.ExperimentDate});
    writeRecord(out, {"Bootstrap number =", b});
    writeRecord(out, {"Mean of " + curve.DensityLabel + ":", m, "SE:", s});
    writeRecord(out, {"Total number of effective bootstrap =", b});
    writeRecord(out, {"Bootstrap sample size =", state.bootstrap.BootSampleSize});
    writeRecord(out, {"i", curve.DensityLabel, "density"});
    for (int i = 0; i <= LastPoint; ++i) {
      const double x = first + i * h;
      const double z = (x - m) / s;
      writeRecord(out, {i, x, c * std::exp(-0.5 * z * z)});
    }
  });
}

}  // namespace vorelan
