#include "lifetable/life05.h"

namespace vorelan {

double netConsumptionAtAge(const AnalysisState& state, int x) {
  double q = 0;
  for (int j = 1; j <= state.header.NumStages + 1; ++j)
    q += state.matrices.Cxj(x, j) * state.matrices.Sxj(x, j);
  return q;
}

double consumptionRateAtAge(double q, double l) { return l != 0 ? q / l : 0; }

void life05(AnalysisState& state, Platform& /*platform*/) {
  AgeVectors& av = state.ageVectors;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    av.AgeValue(x) = x;
    av.Qx(x) = netConsumptionAtAge(state, x);
    av.Kx(x) = consumptionRateAtAge(av.Qx(x), av.Lx(x));
  }
  double c0 = 0;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) c0 += av.Qx(x);
  av.NetConsumptionRate = c0;

  JackknifeState& jack = state.jackknife;
  if (jack.JackOmitted <= 0) {
    jack.JackFullC0 = c0;
  } else {
    const double n = state.header.NumIndividualsInFile;
    jack.JackC0(jack.JackOmitted) = c0;
    jack.JackPseudoC0(jack.JackOmitted) = n * jack.JackFullC0 - (n - 1) * c0;
  }
}

}  // namespace vorelan
