#pragma once
// Drawing the samples of a new-samples bootstrap run, and building a
// replicate's working cohort from its sample.
#include <cstdint>

#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "resampling/begin_bootstrap.h"

namespace vorelan {

// A new-samples run of B samples of n: SameBootSamples "No", B, n, and every
// sample drawn at once into BootSample. One generator per run, seeded once
// through the platform, draws the individuals 1..N (N = NumSourceIndividuals)
// with equal chances, sample by sample and position by position, so that a
// run's samples depend on its seed alone. Call it after InputDataForBootstrap,
// which sets N and resets BootSampleSize to N.
void drawBootstrapSamples(AnalysisState& state, const BootstrapSize& size, RandomNumbers& random);

// The sample of replicate b: the drawn one, or the sibling program's.
const Array2<std::int16_t>& replicateSamples(const BootstrapState& bootstrap);

// Builds replicate BootNo into the working cohort: the records of the
// individuals of its sample, position by position, from the source cohort,
// with T(x,j) their sum in the order of the positions; c(x,j) is cleared
// first, so that no cell of an earlier replicate remains. Bootstrap takes a
// drawn sample, BootstrapSameAsLifeTable the sibling program's.
void Bootstrap(AnalysisState& state);
void BootstrapSameAsLifeTable(AnalysisState& state);

// The last age index of the source cohort's daily values that a replicate copies.
int sourceLastAge(const SourceCohort& source);

}  // namespace vorelan
