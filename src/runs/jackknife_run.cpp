#include "runs/jackknife_run.h"

#include <string>

#include "predation/sasd_tables.h"
#include "report/file_failure.h"
#include "report/output_file.h"
#include "report/report_writer.h"
#include "resampling/frequency_files.h"
#include "resampling/jack01.h"
#include "resampling/jackknife_passes.h"
#include "resampling/write_pseudo_value_for_ttest.h"
#include "runs/data_file_as_analysed.h"
#include "runs/state_before_run.h"

namespace vorelan {
namespace {

// The pseudo-values' variance divides by N - 1.
bool refuseTooFew(int n, Platform& platform) {
  if (n >= 2) return false;
  platform.message.show("The jackknife leaves out one individual at a time and needs at least 2 "
                        "individuals; the data file holds " +
                            std::to_string(n) + ".",
                        JackknifeRefusalTitle);
  return true;
}

bool openJackknifeReport(AnalysisState& state, Platform& platform) {
  state.report.ReportFileName = state.report.BaseFileName + JackknifeReportSuffix;
  if (openOutputFile(state.files.file3, state.report.ReportFileName, state.files)) return true;
  tellUnwrittenFiles(state, platform);
  return false;
}

// A report begun by a run that did not end would look like a finished one:
// it is given up, and an earlier report stays as it was.
void abandonJackknifeReport(AnalysisState& state) { state.files.file3.discard(); }

// Marks the run as going for as long as the passes run, whatever ends them.
struct ResamplingRunningFlag {
  explicit ResamplingRunningFlag(RunFlags& run) : run_(run) { run_.ResamplingRunning = true; }
  ~ResamplingRunningFlag() { run_.ResamplingRunning = false; }
  ResamplingRunningFlag(const ResamplingRunningFlag&) = delete;
  ResamplingRunningFlag& operator=(const ResamplingRunningFlag&) = delete;

 private:
  RunFlags& run_;
};

// The tables of the stable age-stage distribution open the report.
void printStableDistributionTables(AnalysisState& state, Platform& /*platform*/) {
  if (state.run.SASDRead != "Yes") return;
  PrintSASD(state);
  PrintProductOfSASDandCxj(state);
}

}  // namespace

std::optional<LeaveOneOutSource> beginJackknife(AnalysisState& state, Platform& platform) {
  if (state.run.ResamplingDone == "yes") return std::nullopt;
  if (!dataFileAsAnalysed(state, platform, "Jackknife")) return std::nullopt;
  if (refuseTooFew(state.header.NumIndividualsInFile, platform)) return std::nullopt;
  std::optional<LeaveOneOutSource> source;
  {
    const AnalysedDataFileHeld analysed(state);
    source = readLeaveOneOutSource(state, platform);
  }
  if (!openJackknifeReport(state, platform)) return std::nullopt;
  printStableDistributionTables(state, platform);
  state.run.ResampleMethod = "j";
  return source;
}

// Writes the report and the result files; they take the places of the
// earlier files together, or, when the report could not be written, none
// of them does. False then: the run ends as a stopped run does.
bool endJackknife(AnalysisState& state, Platform& platform) {
  gatherRunFiles(state.files);
  jack01(state, platform);
  const std::string report = state.report.ReportFileName;
  closeOutputFile(state.files.file3, state.files);
  WritePseudoValueForTtest(state, platform);
  WriteJackknifeFrequency(state, platform);
  if (!placeRunFiles(state.files, report)) {
    abandonJackknifeReport(state);
    tellRunNotWritten(state, platform, "Jackknife", report);
    return false;
  }
  state.run.ResamplingDone = "yes";
  tellUnwrittenFiles(state, platform);
  return true;
}

bool cmdJackknife_Click(AnalysisState& state, Platform& platform, BackgroundWork& background) {
  // Not even copied after a resampling run: its replicates may hold many MB.
  if (state.run.ResamplingDone == "yes") return false;
  StateBeforeRun before(state);
  const std::optional<LeaveOneOutSource> source = beginJackknife(state, platform);
  if (!source) return false;
  WorkOutcome outcome = WorkOutcome::Finished;
  {
    const ResamplingRunningFlag running(state.run);
    outcome = background.run(
        [&](WorkProgress& progress) { runJackknifePasses(state, platform, *source, &progress); });
  }
  if (outcome == WorkOutcome::Stopped) {
    abandonJackknifeReport(state);
    return false;
  }
  if (!endJackknife(state, platform)) return false;
  before.runFinished();
  return true;
}

}  // namespace vorelan
