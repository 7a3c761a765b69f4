#include "runs/data_file_as_analysed.h"

#include <optional>
#include <string>

#include "datafile/file_bytes.h"

namespace vorelan {
namespace {

void refuse(Platform& platform, const std::string& path, const std::string& problem, const char* runName) {
  platform.message.show("The data file\n" + path + "\n" + problem + "\n\nNothing has been run: the " + runName +
                            " computes only on the data file as the Basic Run analysed it. Quit and restart "
                            "the program to analyse the file as it is now.",
                        DataFileChangedTitle);
}

}  // namespace

bool dataFileAsAnalysed(const AnalysisState& state, Platform& platform, const char* runName) {
  const AnalysedDataFile& analysed = state.analysedDataFile;
  const std::string& path = state.report.DataFileName;
  if (!analysed.bytes || analysed.path != path) {
    refuse(platform, path, "is not the file that the Basic Run analysed.", runName);
    return false;
  }
  const FileBytesRead now = readFileBytesWithCause(path);
  if (!now.bytes) {
    refuse(platform, path, "can no longer be read: " + unreadableReason(now.error) + ".", runName);
    return false;
  }
  if (*now.bytes != *analysed.bytes) {
    refuse(platform, path, "has changed since the Basic Run.", runName);
    return false;
  }
  return true;
}

AnalysedDataFileHeld::AnalysedDataFileHeld(AnalysisState& state) : state_(state) {
  state_.files.file2.open(state_.analysedDataFile.path, state_.analysedDataFile.bytes);
}

AnalysedDataFileHeld::~AnalysedDataFileHeld() { state_.files.file2.close(); }

}  // namespace vorelan
