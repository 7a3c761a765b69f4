#include "report/figure_data_files.h"

#include <cmath>
#include <string>

#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {
namespace {

int maxAge(const AnalysisState& state) { return state.stageStats.MaxAge; }

int stageColumns(const AnalysisState& state) { return state.header.NumStages + 1; }

double ageOf(int x, const AnalysisState& state) { return x * state.run.TimeUnit; }

void writeTitleRecords(TextOutputFile& out, const CohortHeader& header) {
  writeRecord(out, {header.ProjectName});
  writeRecord(out, {header.ExperimentDate});
  writeRecord(out, {header.ResearcherName});
}

void writeAgeSurvivalAndConsumption(TextOutputFile& out, const AnalysisState& state) {
  const AgeVectors& v = state.ageVectors;
  const LongevityStatistics& perAge = state.longevity;
  writeTitleRecords(out, state.header);
  writeRecord(out, {"Age", "l(x)", "k(x)", "q(x)", "cumu. Co", "SD of k(x)", "SE of k(x)"});
  for (int x = 0; x <= maxAge(state); ++x) {
    writeRecord(out, {ageOf(x, state), v.Lx(x), v.Kx(x), v.Qx(x), v.CumQx(x),
                      perAge.AgeDailyConsumptionSD(x), perAge.AgeDailyConsumptionSE(x)});
  }
  // One age step past the last age closes the curves; the cumulative
  // consumption keeps its last value.
  const double cumulative = maxAge(state) >= 0 ? v.CumQx(maxAge(state)) : 0.0;
  writeRecord(out, {ageOf(maxAge(state) + 1, state), 0, 0, 0, cumulative, 0, 0});
}

// c(x,j) or T(x,j) by age, one column per stage, rounded to thousandths.
void writeAgeStageTable(TextOutputFile& out, const AnalysisState& state,
                        const Array2<double>& values) {
  const int columns = stageColumns(state);
  PrintRecord head = printTo(out).text("Age,");
  for (int j = 1; j <= columns; ++j) {
    head.text(state.header.StageName(1, j)).text(j < columns ? "," : " ");
  }
  head.endLine();
  auto row = [&](int x, auto valueAt) {
    PrintRecord line = printTo(out).text(numberDigits(ageOf(x, state))).text(",");
    for (int j = 1; j <= columns; ++j) line.number(valueAt(j)).text(j < columns ? "," : " ");
    line.endLine();
  };
  for (int x = 0; x <= maxAge(state); ++x) {
    row(x, [&](int j) { return roundFractionHalfEven(values(x, j), 3); });
  }
  row(maxAge(state) + 1, [](int) { return 0.0; });
}

int wholeAge(double age) { return static_cast<int>(std::nearbyint(age)); }

// c(x,j) over the ages of each stage in turn, at most five values a line.
void writeCxjForPredation(TextOutputFile& out, const AnalysisState& state) {
  const AgeStageMatrices& m = state.matrices;
  for (int j = 1; j <= stageColumns(state); ++j) {
    const int first = wholeAge(m.StageAgeRange(j, 1));
    const int last = wholeAge(m.StageAgeRange(j, 2));
    int onLine = 0;
    for (int x = first; x <= last; ++x) {
      PrintRecord item = printTo(out).number(m.Cxj(x, j));
      if (x == last || ++onLine == 5) {
        item.endLine();
        onLine = 0;
      } else {
        item.text(",");
      }
    }
  }
}

}  // namespace

void life07(AnalysisState& state, Platform& platform) {
  TextOutputFile& file1 = state.files.file1;
  const std::string& base = state.report.BaseFileName;

  state.report.OutputFileName = base + AgeSurvivalConsumptionSuffix;
  writeSingleFile(file1, state.report.OutputFileName, state.files,
                  [&](TextOutputFile& out) { writeAgeSurvivalAndConsumption(out, state); });

  state.report.ExportFileName = base + AgeStageConsumptionRateSuffix;
  writeSingleFile(file1, state.report.ExportFileName, state.files,
                  [&](TextOutputFile& out) { writeAgeStageTable(out, state, state.matrices.Cxj); });

  writeSingleFile(file1, base + CxjForPredationSuffix, state.files,
                  [&](TextOutputFile& out) { writeCxjForPredation(out, state); });

  WriteAgeTotalConsumption(state, platform);

  writeSingleFile(file1, base + AgeStageTotalConsumptionSuffix, state.files,
                  [&](TextOutputFile& out) { writeAgeStageTable(out, state, state.cohort.Txj); });
}

void WriteAgeTotalConsumption(AnalysisState& state, Platform& /*platform*/) {
  state.report.OutputFileName = state.report.BaseFileName + AgeTotalConsumptionSuffix;
  writeSingleFile(state.files.file1, state.report.OutputFileName, state.files,
                  [&](TextOutputFile& out) {
                    writeTitleRecords(out, state.header);
                    for (int x = 0; x <= maxAge(state); ++x) {
                      writeRecord(out, {ageOf(x, state), state.ageVectors.Tx(x)});
                    }
                    writeRecord(out, {ageOf(maxAge(state) + 1, state), 0});
                  });
}

}  // namespace vorelan
