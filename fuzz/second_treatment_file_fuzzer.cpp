// C2B on a fuzzed second-treatment file: a refused file is named in the one
// "t-test" box and writes nothing; an accepted one gives a finite mean,
// variance, S.E. and t-value, written to the comparison file and shown in
// the box without inf or nan.
#include <algorithm>
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

// The mean and variance formed again in long double, the variance from the
// deviations about the mean, and compared where rounding cannot explain a
// difference: a value lost to an overflow would show here.
void requireMeanAndVarianceOfTheValues(const ComparisonState& c) {
  long double sum = 0;
  long double largest = 0;
  for (double v : c.CompareValue) {
    sum += v;
    largest = std::max(largest, std::fabs(static_cast<long double>(v)));
  }
  const auto n = static_cast<long double>(c.CompareValue.size());
  const long double mean = sum / n;
  long double deviations = 0;
  for (double v : c.CompareValue) deviations += (v - mean) * (v - mean);
  const long double variance = deviations / (n - 1);
  // Below the normal doubles a mean keeps only a few digits.
  if (std::fabs(c.CompareMean - mean) > 1e-9L * largest + 1e-300L) {
    fuzzing::brokenRule("the mean of the values is " + fuzzing::exactText(c.CompareMean) + ", not " +
                        fuzzing::exactText(static_cast<double>(mean)));
  }
  // Where the variance is small beside the squares of the values, the
  // program's one-pass formula loses its digits to rounding; squares below
  // the normal doubles lose them too.
  const bool wellConditioned = variance > 1e-4L * largest * largest && variance > 1e-290L;
  if (wellConditioned && std::fabs(c.CompareVar - variance) > 1e-6L * variance) {
    fuzzing::brokenRule("the variance of the values is " + fuzzing::exactText(c.CompareVar) + ", not " +
                        fuzzing::exactText(static_cast<double>(variance)));
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
  requireMeanAndVarianceOfTheValues(state.comparison);
  folder.requireNoNonNumberInOutputs(input);
  return 0;
}
