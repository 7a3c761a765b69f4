#include "lifetable/life05.h"

namespace vorelan {
namespace {

// The working cohort's q(x), k(x) and C0, with C0 in NetConsumptionRate.
double recomputeNetConsumption(AnalysisState& state) {
  const double c0 = netConsumptionRate(state.matrices, state.header.NumStages, state.stageStats.MaxAge,
                                       &state.ageVectors);
  state.ageVectors.NetConsumptionRate = c0;
  return c0;
}

}  // namespace

double netConsumptionAtAge(const AgeStageMatrices& mx, int numStages, int x) {
  double q = 0;
  for (int j = 1; j <= numStages + 1; ++j) q += mx.Cxj(x, j) * mx.Sxj(x, j);
  return q;
}

double netConsumptionAtAge(const AnalysisState& state, int x) {
  return netConsumptionAtAge(state.matrices, state.header.NumStages, x);
}

double jackknifePseudoValue(double fullC0, double c0Without, int n) {
  const double count = n;
  return count * fullC0 - (count - 1) * c0Without;
}

double consumptionRateAtAge(double q, double l) { return l != 0 ? q / l : 0; }

double netConsumptionRate(const AgeStageMatrices& mx, int numStages, int maxAge, AgeVectors* vectors) {
  double c0 = 0;
  for (int x = 0; x <= maxAge; ++x) {
    const double q = netConsumptionAtAge(mx, numStages, x);
    if (vectors != nullptr) {
      vectors->AgeValue(x) = x;
      vectors->Qx(x) = q;
      vectors->Kx(x) = consumptionRateAtAge(q, vectors->Lx(x));
    }
    c0 += q;
  }
  return c0;
}

void life05(AnalysisState& state, Platform& /*platform*/) {
  const double c0 = recomputeNetConsumption(state);
  JackknifeState& jack = state.jackknife;
  if (jack.JackOmitted <= 0) {
    jack.JackFullC0 = c0;
  } else {
    jack.JackC0(jack.JackOmitted) = c0;
    jack.JackPseudoC0(jack.JackOmitted) =
        jackknifePseudoValue(jack.JackFullC0, c0, state.header.NumIndividualsInFile);
  }
}

void Life05Boot(AnalysisState& state) {
  const double c0 = recomputeNetConsumption(state);
  if (state.bootstrap.BootNo > 0) state.bootstrap.BootC0(state.bootstrap.BootNo) = c0;
}

}  // namespace vorelan
