// C2B on a fuzzed second-treatment file: a refused file is named in the one
// "t-test" box and writes nothing; an accepted one gives a finite mean,
// variance, S.E. and t-value, written to the comparison file and shown in
// the box without inf or nan.
#include <array>
#include <cmath>
#include <filesystem>

#include "fuzz_session.h"
#include "resampling/compare_two_bootstraps.h"
#include "runs/compare_two_bootstraps_run.h"

namespace {
using namespace vorelan;

void requireFiniteComparison(const ComparisonState& c) {
  for (double v : {c.CompareMean, c.CompareVar, c.CompareSE, c.CompareT}) {
    if (!std::isfinite(v)) fuzzing::brokenRule("an accepted comparison holds a value that is not finite");
  }
  for (double v : c.CompareValue) {
    if (!std::isfinite(v)) fuzzing::brokenRule("an accepted file holds a value that is not finite");
  }
  const auto count = static_cast<long>(c.CompareValue.size());
  if (count < MinCompareCount || count > MaxCompareCount || c.CompareSampleSize < 1) {
    fuzzing::brokenRule("a count outside its bounds accepted");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzFolder& folder = fuzzing::fuzzFolder();
  const fuzzing::FuzzInput input(data, size);
  fuzzing::FuzzSession session(input);
  AnalysisState& state = session.state;
  state.header.ProjectName = "Present run";
  state.report.BaseFileName = folder.baseFileName();
  // Treatment 1 with and without spread, so that a file without spread is
  // refused in one of the two.
  static constexpr std::array<double, 2> Variances = {8, 0};
  state.bootstrap.BootC0Mean = 5;
  state.bootstrap.BootC0Var = Variances[size % Variances.size()];
  state.bootstrap.BootC0SE = std::sqrt(state.bootstrap.BootC0Var);
  session.script.chosenFiles = {folder.writeInputFile(input, "second.txt")};

  bool compared = false;
  session.run([&] { compared = cmdCompare2boots_Click(state, session.platform); }, {});
  const testing::ShownBox box = fuzzing::onlyMessage(session.script);
  if (box.title != CompareTitle) fuzzing::brokenRule("the comparison ended without its box: " + box.title);
  const bool written = std::filesystem::exists(state.report.BaseFileName + CompareOutputSuffix);
  if (!compared) {
    if (written || state.comparison.ComparisonDone) fuzzing::brokenRule("a refused file changed the state or wrote a file");
    return 0;
  }
  if (!written) fuzzing::brokenRule("an accepted comparison wrote no file");
  requireFiniteComparison(state.comparison);
  folder.requireNoNonNumberInOutputs(input);
  return 0;
}
