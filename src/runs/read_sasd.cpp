#include "runs/read_sasd.h"

#include <utility>
#include <variant>

#include "predation/finite_predation_rate_file.h"
#include "predation/predation_rates.h"
#include "predation/sasd_file.h"
#include "report/file_failure.h"
#include "runs/file_requests.h"

namespace vorelan {
namespace {

void refuse(Platform& platform, const std::string& path, const std::string& problem) {
  platform.message.show("The stable age-stage distribution file\n" + path + "\nwas not read.\n\n" + problem +
                            "\n\nNothing has been changed.",
                        SasdFileErrorTitle);
}

}  // namespace

bool ReadDataFileForSASD2(AnalysisState& state, Platform& platform) {
  // The file is read against the ages and stages of the data file's cohort.
  if (state.run.BasicRunDone != "yes" || state.run.ResamplingDone == "yes") return false;
  const std::string path = platform.fileDialog.openFile(sasdFileRequest(state));
  if (path.empty()) return false;
  state.files.inputs.note(path);
  SasdFileRead read = readSasdFile(path, state);
  if (const auto* refusal = std::get_if<SasdRefusal>(&read)) {
    refuse(platform, path, refusal->problem);
    return false;
  }
  commitSasdFile(state, path, std::move(std::get<SasdFileContents>(read)));
  CalculatePredationRates(state);
  state.run.SASDRead = "Yes";
  WriteFinitePredationRateFile(state, platform);
  tellUnwrittenFiles(state, platform);
  platform.message.show(finitePredationRateMessage(state.predation.Psi, state.predation.Omega),
                        FinitePredationRateTitle);
  return true;
}

}  // namespace vorelan
