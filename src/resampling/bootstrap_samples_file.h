#pragma once
// The bootstrap samples file of the sibling life-table program: B samples of
// the cohort, each with its Ro and lambda, then the file's statistics of Ro
// and lambda. It is read whole into a value of its own and checked against
// the cohort before the state is touched.
//
// Fields, in order ("label": read, not used): three labels; a label and B; a
// label and n; for each sample b = 1..B a label, its n individual numbers, a
// label and Ro(b), a label and lambda(b); then eight pairs of a label and a
// number: Ro mean, variance and S.E. over the samples, Ro of all individuals,
// and the same four of lambda. Anything after them is not read.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "datafile/field_reader.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* BootstrapSamplesFileTitle = "Bootstrap samples file";
inline constexpr const char* BootstrapRoZeroTitle = "Bootstrap Ro = 0";

struct BootstrapSamples {
  std::int32_t replicates = 0;        // B, 2..200010
  int sampleSize = 0;                 // n, the cohort's N
  Array2<std::int16_t> individuals;   // (b, i): individual 1..N at position i of sample b
  Array1<double> r0, lambda;          // Ro(b) and lambda(b), b = 1..B
  double r0Mean = 0, r0Var = 0, r0SE = 0, origR0 = 0;
  double lambdaMean = 0, lambdaVar = 0, lambdaSE = 0, origLambda = 0;
};

// Why a file is refused, in the words of its message. A sample with Ro = 0
// ends the program after its message (its box is titled "Bootstrap Ro = 0").
struct SamplesFileFault {
  std::string message;
  bool endsProgram = false;
};

// Reads the fields of a samples file for a cohort of `cohortSize` individuals.
std::variant<BootstrapSamples, SamplesFileFault> parseBootstrapSamples(FieldReader& reader, int cohortSize);

// The message of a sample whose Ro is 0.
std::string roZeroMessage(std::int32_t sample);

// Reads and checks the file at `path`. A refused file is named in a message
// and gives nothing; a sample with Ro = 0 shows its message and ends the
// program (ProgramTermination).
std::optional<BootstrapSamples> readBootstrapSamplesFile(const std::string& path, int cohortSize,
                                                         Platform& platform);

// A same-samples run from these samples: SameBootSamples "Yes", B, n, the
// samples, Ro, lambda and the file's statistics into the state. Call it
// after InputDataForBootstrap, which resets BootSampleSize to the cohort's N.
void takeBootstrapSamples(AnalysisState& state, BootstrapSamples samples);

}  // namespace vorelan
