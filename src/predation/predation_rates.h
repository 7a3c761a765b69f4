#pragma once
// The predation rates of a stable age-stage distribution and the periods of
// the reproductive females, formed from a distribution file that passed its
// checks (sasd_file.h) and the age-stage consumption rate c(x,j) of the Basic Run.
#include <string>

#include "model/analysis_state.h"
#include "predation/sasd_file.h"

namespace vorelan {

// Replaces the predation state by the file's contents: a(x,j) (0 where the
// file gives no value), lambda, the layout word, the counts, and the
// oviposition records by individual number (the arrays of the records sized
// for 1..N and cleared first, so that nothing of an earlier file remains).
void commitSasdFile(AnalysisState& state, const std::string& path, SasdFileContents file);

// SASDxCxj = a(x,j) * c(x,j) and Psi, their sum over ages 0..MaxAge and stage
// columns 1..m+1.
void CalculateStablePredationRate(AnalysisState& state);

// For each reproductive female k (1..N): PostP = longevity - last - 1,
// OviP = last - TPOP + 1, and her consumption over ages 1..TPOP-1 (TPOPCon),
// TPOP..last (OviCon) and last+1..longevity (PostCon); ReproFemaleCount.
void CalculateFemalePeriods(AnalysisState& state);

// n, sum, sum of squares, mean, variance, S.D. and S.E. of the six per-female
// quantities. A mean needs a female, a variance two; a statistic that cannot
// be formed stays 0 (the result file prints "-" for it).
void CalculateMeanSEofAPOPandTPOPConsume(AnalysisState& state);

// Omega = lambda * Psi and the intrinsic rate ln(Omega), formed only when
// Omega > 0.
void CalculateFinitePredationRate(AnalysisState& state);

// Everything formed from a committed file, in this order: psi, the female
// periods, their statistics, omega and ln(omega).
void CalculatePredationRates(AnalysisState& state);

// Psi and omega of the whole cohort wherever they are shown beside other
// results: formed only once a distribution file has been read (SASDRead is
// "Yes"); before that NaN, which every writer shows as "-", never as a 0
// that would pass for a rate.
double wholeCohortPsi(const AnalysisState& state);
double wholeCohortOmega(const AnalysisState& state);

// The consumption of individual k over ages first..last; an empty range
// gives 0. Only days of its life count: the sum ends at the end mark (-1)
// that closes its daily values.
double consumptionOverAges(const CohortRecords& cohort, int k, int first, int last);

}  // namespace vorelan
