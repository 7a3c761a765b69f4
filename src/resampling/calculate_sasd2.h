#pragma once
// The stable age-stage distribution of a bootstrap replicate, from its own
// g(x,j) and d(x,j) and the finite rate lambda(b) of its sample, and from it
// the replicate's stable and finite predation rates.
#include "model/analysis_state.h"

namespace vorelan {

// Where a replicate's distribution goes: a(x,j), a copy of it, the
// normalised a'(x,j) and the sum of a(x,j).
struct StableDistributionArrays {
  Array2<double>& raw;
  Array2<double>& work;
  Array2<double>& normalised;
  double& total;
};

// a(0,1) = 1 and a(x,j) over ages 1..maxAge from the survivors staying in j
// and those moving in from the stage before, each divided by lambda^u (u the
// time unit); the male column takes its newcomers from the last pre-adult
// stage. Returns psi = the sum of c(x,j) a'(x,j) over every age from 0.
double stableDistributionOfReplicate(const AgeStageMatrices& mx, int maxAge, int numStages, double timeUnit,
                                     double lambda, StableDistributionArrays out);

// Replicate BootNo of a same-samples run, on the shared matrices: its
// distribution into SASDBoot..., psi into BootPsi and psi * lambda into BootOmega.
void CalculateSASD2(AnalysisState& state);

}  // namespace vorelan
