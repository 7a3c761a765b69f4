#include "runs/compare_two_bootstraps_run.h"

#include <optional>
#include <string>

#include "datafile/file_bytes.h"
#include "report/file_failure.h"
#include "report/number_text.h"
#include "resampling/compare_two_bootstraps.h"
#include "resampling/second_treatment_file.h"
#include "runs/file_requests.h"

namespace vorelan {
namespace {

// The path in full, as the data file's messages give it: cut short, it would
// lose the very name of the file.
void refuse(Platform& platform, const std::string& path, const std::string& why) {
  platform.message.show("The file " + path + " cannot be compared: " + why + ".", CompareTitle);
}

std::optional<SecondTreatment> readChosenFile(const std::string& path, Platform& platform) {
  const FileBytesRead content = readFileBytesWithCause(path);
  if (!content.bytes) {
    refuse(platform, path, unreadableReason(content.error));
    return std::nullopt;
  }
  SecondTreatmentRead read = readSecondTreatment(*content.bytes);
  if (!read.treatment) refuse(platform, path, read.fault);
  return std::move(read.treatment);
}

void keep(ComparisonState& kept, const std::string& path, SecondTreatment second,
          const BootstrapComparison& result) {
  kept.CompareFileName = path;
  kept.CompareTitle1 = std::move(second.CompareTitle1);
  kept.CompareTitle2 = std::move(second.CompareTitle2);
  kept.CompareTitle3 = std::move(second.CompareTitle3);
  kept.CompareSampleSize = second.CompareSampleSize;
  kept.CompareValue = std::move(second.CompareValue);
  kept.CompareMean = result.CompareMean;
  kept.CompareVar = result.CompareVar;
  kept.CompareSE = result.CompareSE;
  kept.CompareT = result.CompareT;
  kept.ComparisonDone = true;
}

// No t-value box: it would announce a comparison that was not kept.
void tellComparisonNotKept(AnalysisState& state, Platform& platform) {
  tellStepNotKept(state, platform,
                  "The comparison was not kept: its file could not be written. "
                  "Click C2B to make it again once the file can be written.",
                  state.report.BaseFileName + CompareOutputSuffix);
}

}  // namespace

bool cmdCompare2boots_Click(AnalysisState& state, Platform& platform) {
  const std::string path = platform.fileDialog.openFile(secondTreatmentFileRequest(state));
  if (path.empty()) return false;
  state.files.inputs.note(path);
  std::optional<SecondTreatment> second = readChosenFile(path, platform);
  if (!second) return false;
  const auto result = compareBootstraps(state.bootstrap.BootC0Mean, state.bootstrap.BootC0Var, *second);
  if (!result) {
    refuse(platform, path, "neither treatment's values vary, so the t-value cannot be formed");
    return false;
  }
  // The comparison stands or falls with its file: one not written counts as
  // not made, so that C2B can make it again once the file can be written.
  ComparisonState comparisonBefore = state.comparison;
  const std::string reportBefore = state.report.ReportFileName;
  keep(state.comparison, path, std::move(*second), *result);
  if (!printComparison(state, platform)) {
    state.comparison = std::move(comparisonBefore);
    state.report.ReportFileName = reportBefore;
    tellComparisonNotKept(state, platform);
    return false;
  }
  tellUnwrittenFiles(state, platform);
  platform.message.show("The t-value = " + writeNumberText(result->CompareT), CompareTitle);
  return true;
}

}  // namespace vorelan
