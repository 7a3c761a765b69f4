#include "runs/bootstrap_run.h"

#include <optional>
#include <string>

#include "datafile/bootstrap_reader.h"
#include "datafile/field_reader.h"
#include "report/file_failure.h"
#include "report/output_file.h"
#include "report/single_output_file.h"
#include "predation/sasd_tables.h"
#include "resampling/begin_bootstrap.h"
#include "resampling/boot01.h"
#include "resampling/bootstrap_replicates.h"
#include "resampling/bootstrap_samples.h"
#include "resampling/bootstrap_samples_file.h"
#include "resampling/bootstrap_result_files.h"
#include "resampling/frequency_files.h"
#include "resampling/normal_density_curves.h"
#include "runs/data_file_as_analysed.h"
#include "runs/file_requests.h"
#include "runs/state_before_run.h"

namespace vorelan {
namespace {

// The answers that decide the run, all taken before it changes anything.
struct BootstrapChoice {
  std::optional<BootstrapSamples> samples;  // the sibling program's samples; none: new samples
  BootstrapSize size;                       // B and n of new samples
};

// Exactly 1 means the same samples; any other answer, an empty one or a
// Cancel, new samples.
bool sameSamplesWanted(Platform& platform) {
  const std::optional<std::string> answer = platform.input.ask(
      "Do you want to use the same bootstrap samples (1=Yes, 2=No)", "Same bootstrap samples =?", "1");
  if (!answer) return false;
  const std::size_t first = answer->find_first_not_of(' ');
  const std::size_t last = answer->find_last_not_of(' ');
  if (first == std::string::npos) return false;
  return parseNumber(answer->substr(first, last - first + 1)) == 1.0;
}

std::optional<BootstrapChoice> askEverything(AnalysisState& state, Platform& platform) {
  if (!sameSamplesWanted(platform)) {
    const std::optional<BootstrapSize> size = BeginBootstrap(platform, state.header.NumIndividuals);
    if (!size) return std::nullopt;
    return BootstrapChoice{std::nullopt, *size};
  }
  const std::string path = platform.fileDialog.openFile(bootstrapSamplesFileRequest(state));
  if (path.empty()) return std::nullopt;
  state.files.inputs.note(path);
  std::optional<BootstrapSamples> samples = readBootstrapSamplesFile(path, state.header.NumIndividualsInFile, platform);
  if (!samples) return std::nullopt;
  return BootstrapChoice{std::move(samples), {}};
}

// Begins the report (file 3) and, for new samples, the empty record of
// sampled individuals (file 4); both replace their earlier files only when
// the run has ended. False when one cannot be begun (the user has been told).
bool createRunFiles(AnalysisState& state, Platform& platform, bool sameSamples) {
  ReportState& report = state.report;
  report.ReportFileName = report.BaseFileName + BootstrapReportSuffix;
  const std::string samplesRecord = report.BaseFileName + BootstrapSamplesRecordSuffix;
  const bool begun = (sameSamples || openOutputFile(state.files.file4, samplesRecord, state.files)) &&
                     openOutputFile(state.files.file3, report.ReportFileName, state.files);
  if (begun) return true;
  state.files.file4.discard();
  tellUnwrittenFiles(state, platform);
  return false;
}

// Qp of the whole cohort needs Ro of all individuals, which only the
// sibling program's samples file gives.
void setWholeCohortQp(AnalysisState& state) {
  BootstrapSummary& summary = state.bootSummary;
  summary.HasQp = state.bootstrap.SameBootSamples == "Yes" && state.bootstrap.OrigR0 != 0;
  summary.Qp = summary.HasQp ? state.ageVectors.NetConsumptionRate / state.bootstrap.OrigR0 : 0;
}

// c(x,j), T(x,j) and k(x) of the data give way to the replicates'.
void clearConsumptionTables(AnalysisState& state) {
  const int lastAge = state.stageStats.OrigMaxAge;
  for (int x = 1; x <= lastAge; ++x) {
    for (int j = 1; j <= state.header.NumStages + 1; ++j) {
      state.cohort.Txj(x, j) = 0;
      state.matrices.Cxj(x, j) = 0;
    }
    state.ageVectors.Kx(x) = 0;
  }
}

// The report begins with the tables of the stable age-stage distribution
// when one has been read, over the Basic Run's c(x,j) and ages.
void printDistributionTables(AnalysisState& state) {
  state.report.PageNo = 0;
  state.report.TableNo = 0;
  PrintSASD(state);
  if (state.run.SASDRead == "Yes") PrintProductOfSASDandCxj(state);
}

// Everything up to the first replicate, once every answer is in.
void prepareReplicates(AnalysisState& state, Platform& platform, BootstrapChoice& choice) {
  state.run.ResampleMethod = "b";
  clearConsumptionTables(state);
  {
    const AnalysedDataFileHeld analysed(state);
    InputDataForBootstrap(state, platform);
  }
  if (choice.samples) {
    takeBootstrapSamples(state, std::move(*choice.samples));
  } else {
    drawBootstrapSamples(state, choice.size, platform.random);
  }
  setWholeCohortQp(state);
}

WorkOutcome runReplicates(AnalysisState& state, BackgroundWork& background) {
  return background.run([&state](WorkProgress& progress) { runBootstrapReplicates(state, progress); });
}

// A run stopped half way leaves every earlier file as it was and no report
// that could pass for a finished one.
void abandonRun(AnalysisState& state) {
  state.files.file3.discard();
  state.files.file4.discard();
  state.run.ResamplingRunning = false;
}

// Writes the report and every result file; they take the places of the
// earlier files together, or, when the report could not be written, none
// of them does. False then: the run ends as a stopped run does.
bool writeResults(AnalysisState& state, Platform& platform) {
  gatherRunFiles(state.files);
  if (state.bootstrap.SameBootSamples == "Yes") {
    Boot01Same(state);
  } else {
    Boot01(state);
  }
  closeOutputFile(state.files.file3, state.files);
  closeOutputFile(state.files.file4, state.files);
  WriteBootstrapResultFiles(state, platform);
  WriteBootstrapFrequency(state, platform);
  return placeRunFiles(state.files, state.report.ReportFileName);
}

}  // namespace

BootstrapOutcome cmdBootstrap_Click(AnalysisState& state, Platform& platform, BackgroundWork& background,
                                    const BootstrapRunWindow& window) {
  // One resampling run per run of the program.
  if (state.run.BasicRunDone != "yes" || state.run.ResamplingDone == "yes") return BootstrapOutcome::NotStarted;
  if (!dataFileAsAnalysed(state, platform, "Bootstrap")) return BootstrapOutcome::NotStarted;
  std::optional<BootstrapChoice> choice = askEverything(state, platform);
  if (!choice) return BootstrapOutcome::NotStarted;
  StateBeforeRun before(state);
  if (!createRunFiles(state, platform, choice->samples.has_value())) return BootstrapOutcome::NotStarted;

  printDistributionTables(state);
  prepareReplicates(state, platform, *choice);
  state.run.ResamplingRunning = true;
  state.bootSummary.BootBeginText = "Bootstrap begins at:\n" + window.now();
  window.replicatesBegin();
  if (runReplicates(state, background) == WorkOutcome::Stopped) {
    abandonRun(state);
    return BootstrapOutcome::Stopped;
  }

  const std::string report = state.report.ReportFileName;
  if (!writeResults(state, platform)) {
    abandonRun(state);
    tellRunNotWritten(state, platform, "Bootstrap", report);
    return BootstrapOutcome::Stopped;
  }
  tellUnwrittenFiles(state, platform);
  before.runFinished();
  state.run.ResamplingRunning = false;
  state.run.ResamplingDone = "yes";
  state.bootSummary.BootEndText = "Bootstrap ended at:\n" + window.now();
  window.runEnded();
  if (platform.message.show("Do you need normal density curve for each developmental stage, consumption, and longevity?",
                            "Normal density curve.", MessageButtons::YesNo) == MessageAnswer::Yes) {
    WriteNormalDensityCurveBegin(state, platform);
  }
  return BootstrapOutcome::Done;
}

}  // namespace vorelan
