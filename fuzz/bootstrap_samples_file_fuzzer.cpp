// The sibling program's bootstrap samples file on fuzzed bytes, for a cohort
// of three: a refused file is named in one box, a sample with Ro = 0 ends the
// program after its own box, and an accepted file holds only samples of the
// cohort's individuals with finite values. Reading the file and reading its
// bytes give the same result.
#include <cmath>
#include <variant>

#include "fuzz_session.h"
#include "platform/program_termination.h"
#include "resampling/bootstrap_samples_file.h"

namespace {
using namespace vorelan;

// The sample size of the seeds' cohort.
constexpr int CohortSize = 3;

void requireSamplesOfTheCohort(const BootstrapSamples& s) {
  if (s.replicates < 2 || s.replicates > 200010) fuzzing::brokenRule("B outside 2..200010 accepted");
  if (s.sampleSize != CohortSize) fuzzing::brokenRule("a sample size other than the cohort's accepted");
  const auto rows = static_cast<std::size_t>(s.replicates) + 1;
  if (s.individuals.rows() != rows || s.r0.size() != rows || s.lambda.size() != rows) {
    fuzzing::brokenRule("the samples are not sized for B");
  }
  for (std::int32_t b = 1; b <= s.replicates; ++b) {
    for (int i = 1; i <= s.sampleSize; ++i) {
      const int k = s.individuals(b, i);
      if (k < 1 || k > CohortSize) fuzzing::brokenRule("a sample names an individual outside the cohort");
    }
    if (!std::isfinite(s.r0(b)) || s.r0(b) == 0) fuzzing::brokenRule("a sample's Ro is 0 or not finite");
    if (!std::isfinite(s.lambda(b)) || !(s.lambda(b) > 0)) fuzzing::brokenRule("a sample's lambda is not above 0");
  }
  for (double v : {s.r0Mean, s.r0Var, s.r0SE, s.origR0, s.lambdaMean, s.lambdaVar, s.lambdaSE, s.origLambda}) {
    if (!std::isfinite(v)) fuzzing::brokenRule("a statistic of the file is not finite");
  }
}

// The same bytes read from memory: accepted or refused alike, with the same B.
void requireSameReadingOfTheBytes(const fuzzing::FuzzInput& input, const std::optional<BootstrapSamples>& fromFile,
                                  bool ended) {
  FieldReader reader(std::string(reinterpret_cast<const char*>(input.data), input.size));
  const auto fromBytes = parseBootstrapSamples(reader, CohortSize);
  if (const auto* samples = std::get_if<BootstrapSamples>(&fromBytes)) {
    if (!fromFile || fromFile->replicates != samples->replicates) fuzzing::brokenRule("the file and its bytes differ");
  } else if (fromFile || std::get<SamplesFileFault>(fromBytes).endsProgram != ended) {
    fuzzing::brokenRule("the file and its bytes differ");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::FuzzInput input(data, size);
  const std::string path = fuzzing::fuzzFolder().writeInputFile(input, "samples.txt");
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  std::optional<BootstrapSamples> samples;
  bool ended = false;
  try {
    samples = readBootstrapSamplesFile(path, CohortSize, platform);
  } catch (const ProgramTermination&) {
    ended = true;
  }
  fuzzing::requireNoNonNumberInBoxes(script, input);
  if (samples) {
    if (!script.messages().empty()) fuzzing::brokenRule("an accepted file showed a box");
    requireSamplesOfTheCohort(*samples);
  } else {
    const testing::ShownBox box = fuzzing::onlyMessage(script);
    const char* due = ended ? BootstrapRoZeroTitle : BootstrapSamplesFileTitle;
    if (box.title != due) fuzzing::brokenRule("a refused file ended without its box: " + box.title);
  }
  requireSameReadingOfTheBytes(input, samples, ended);
  return 0;
}
