#pragma once
// Normal density curves to draw over the bootstrap distributions: for each
// estimate a file of 201 points of the normal density whose mean is the
// whole cohort's estimate and whose S.D. is its bootstrap S.E.
#include <string>
#include <vector>

#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Label, mean and S.E. of one curve.
struct DensityCurve {
  std::string DensityLabel;
  double DensityMean = 0;
  double DensitySE = 0;
};

// The curves of the stages' mean consumption (the adult stage also by sex),
// C0, Qp, the stable and the finite predation rate, in this order, each
// where it can be formed (a mean other than 0 for a stage, an S.E. above 0,
// Qp only with Ro of all individuals).
std::vector<DensityCurve> normalDensityCurves(const AnalysisState& state);

// Writes the curves of normalDensityCurves; then "Congratulation!".
void WriteNormalDensityCurveBegin(AnalysisState& state, Platform& platform);

// "_22_Bootstrap-<label>-Normal density.txt": the head and the points
// x(i) = mean - 3.5 S.E. + i h, h = 7 S.E. / 200, and their density, i = 0..200.
void WriteNormalDensityCurveForXstage(AnalysisState& state, Platform& platform, const DensityCurve& curve);

}  // namespace vorelan
