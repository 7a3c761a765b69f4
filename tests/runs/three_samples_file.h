#pragma once
// The sibling program's samples file of three samples of the
// three-individual example (tests/fixtures/three_individuals.txt):
//   1: 2, 2, 2  Ro 8, lambda 2
//   2: 1, 2, 2  Ro 5, lambda 1
//   3: 1, 1, 2  Ro 4, lambda 1
namespace vorelan::testing {

inline constexpr const char* SamplesFile =
    "Halvek,Bootstrap samples,Example project\n"
    "Bootstrap number,3\n"
    "Sample size,3\n"
    "Sample 1,2,2,2\nRo,8\nlambda,2\n"
    "Sample 2,1,2,2\nRo,5\nlambda,1\n"
    "Sample 3,1,1,2\nRo,4\nlambda,1\n"
    "Ro mean,5.66667\nRo variance,4.33333\nRo SE,2.08167\nRo,5.5\n"
    "lambda mean,1.33333\nlambda variance,0.333333\nlambda SE,0.57735\nlambda,1.25\n";

}  // namespace vorelan::testing
