#include "runs/file_requests.h"

namespace vorelan {
namespace {

FileRequest besideTheDataFile(const AnalysisState& state, std::string title) {
  return {std::move(title), folderOf(state.report.DataFileName), {"Text files (*.txt)", "All files (*)"}};
}

}  // namespace

FileRequest dataFileRequest() { return {"Open", "", {}}; }

FileRequest sasdFileRequest(const AnalysisState& state) {
  return besideTheDataFile(state, "Open the stable age-stage distribution file (SASD) of your life table folder");
}

FileRequest bootstrapSamplesFileRequest(const AnalysisState& state) {
  return besideTheDataFile(state, "Open the bootstrap samples file (file no. 11) of your life table folder");
}

FileRequest secondTreatmentFileRequest(const AnalysisState& state) {
  return besideTheDataFile(state, "Open the bootstrap result file of the second treatment");
}

}  // namespace vorelan
