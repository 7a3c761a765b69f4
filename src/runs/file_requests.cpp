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

std::string folderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  if (separator == std::string::npos) return "";
  // The root keeps its separator: "/" and "C:\" are folders, "" and "C:" not.
  const bool root = separator == 0 || (separator == 2 && path[1] == ':');
  return path.substr(0, root ? separator + 1 : separator);
}

}  // namespace vorelan
