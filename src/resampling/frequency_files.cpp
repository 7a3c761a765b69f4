#include "resampling/frequency_files.h"

#include <functional>
#include <string>

#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {
namespace {

constexpr int LastClassWritten = 21;
constexpr double SmallestBeginWritten = 0.000001;

void writeCohortLines(TextOutputFile& out, const CohortHeader& header) {
  writeRecord(out, {"Project: " + header.ProjectName});
  writeRecord(out, {"User: " + header.ResearcherName});
  writeRecord(out, {"Date: " + header.ExperimentDate});
}

std::int64_t frequencySum(const C0FrequencyClasses& classes) {
  std::int64_t sum = 0;
  for (int i = 0; i <= LastClassWritten; ++i) sum += classes.Frequency(i);
  return sum;
}

void writeClassRows(TextOutputFile& out, const C0FrequencyClasses& classes) {
  writeRecord(out, {"Class begin", "Class center", "Frequency"});
  for (int i = 0; i <= LastClassWritten; ++i) {
    writeRecord(out, {classes.ClassBegin(i), classes.ClassCenter(i), classes.Frequency(i)});
  }
}

bool writeFrequencyFile(AnalysisState& state, const char* suffix, const std::function<void(TextOutputFile&)>& fill) {
  state.report.OutFileSuffix = suffix;
  state.report.ResultFileName = state.report.BaseFileName + suffix;
  return writeSingleFile(state.files.file1, state.report.ResultFileName, state.files, fill);
}

}  // namespace

void WriteJackknifeFrequency(AnalysisState& state, Platform& /*platform*/) {
  C0FrequencyClasses& classes = state.jackknife.JackClasses;
  for (int i = 0; i <= LastClassWritten; ++i) {
    if (classes.ClassBegin(i) < SmallestBeginWritten) classes.ClassBegin(i) = 0;
  }
  writeFrequencyFile(state, JackknifeFrequencySuffix, [&](TextOutputFile& out) {
    writeCohortLines(out, state.header);
    // The cohort's N, one pseudo-value each: the working count is one less
    // once the last pass has left its individual out.
    writeRecord(out, {"Total individual =" + writeNumberText(state.header.NumIndividualsInFile)});
    writeRecord(out, {"Net predation rate (Co)"});
    writeRecord(out, {"Max of pseudo-Co =", classes.Max, ".  Min of pseudo-Co =", classes.Min});
    writeRecord(out, {"Sum of frequency of Co =", frequencySum(classes)});
    writeClassRows(out, classes);
  });
}

void WriteBootstrapFrequency(AnalysisState& state, Platform& /*platform*/) {
  const BootstrapState& boot = state.bootstrap;
  const C0FrequencyClasses& classes = boot.BootClasses;
  const std::string replicates = writeNumberText(boot.NumBootstrap);
  writeFrequencyFile(state, BootstrapFrequencySuffix, [&](TextOutputFile& out) {
    writeCohortLines(out, state.header);
    writeRecord(out, {"Bootstrap number =" + replicates});
    writeRecord(out, {"Bootstrap sample size =" + writeNumberText(boot.BootSampleSize)});
    writeRecord(out, {"Total number of effective bootstrap =" + replicates});
    writeRecord(out, {"Net predation rate (Co)"});
    writeRecord(out, {"Max of boot-Co =", classes.Max, ".  Min of boot-Co =", classes.Min});
    writeRecord(out, {"Sum of frequency of Co =", frequencySum(classes)});
    writeRecord(out, {boot.NumBootstrap});
    writeClassRows(out, classes);
  });
}

}  // namespace vorelan
