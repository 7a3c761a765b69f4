#include "resampling/calculate_sasd2.h"

#include <cmath>

#include "predation/stable_predation_rate.h"

namespace vorelan {
namespace {

// Stage j at age x from age x-1: those that stay, and those that move in
// from column `from` (none for the first stage).
void fillStage(Array2<double>& a, const AgeStageMatrices& mx, int j, int from, int maxAge, double growth) {
  for (int x = 1; x <= maxAge; ++x) {
    const double staying = mx.Gxj(x - 1, j) * a(x - 1, j);
    if (from == 0) {
      a(x, j) = staying / growth;
    } else {
      a(x, j) = (staying + mx.Dxj(x - 1, j - 1) * a(x - 1, from)) / growth;
    }
  }
}

}  // namespace

double stableDistributionOfReplicate(const AgeStageMatrices& mx, int maxAge, int numStages, double timeUnit,
                                     double lambda, StableDistributionArrays out) {
  const int m = numStages;
  Array2<double>& a = out.raw;
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= m + 1; ++j) a(x, j) = 0;
  }
  a(0, 1) = 1;
  const double growth = std::pow(lambda, timeUnit);
  // Each stage over all ages before the next: stage j at age x needs stage
  // j-1 at age x-1. The male column comes last, from stage m-1.
  fillStage(a, mx, 1, 0, maxAge, growth);
  for (int j = 2; j <= m; ++j) fillStage(a, mx, j, j - 1, maxAge, growth);
  fillStage(a, mx, m + 1, m - 1, maxAge, growth);

  double total = 0;
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= m + 1; ++j) {
      out.work(x, j) = a(x, j);
      total += a(x, j);
    }
  }
  out.total = total;
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= m + 1; ++j) out.normalised(x, j) = a(x, j) / total;
  }
  return StablePredationRate(out.normalised, mx.Cxj, maxAge, m + 1);
}

void CalculateSASD2(AnalysisState& state) {
  BootstrapState& boot = state.bootstrap;
  const double lambda = boot.BootLambda(boot.BootNo);
  const double psi = stableDistributionOfReplicate(
      state.matrices, state.stageStats.MaxAge, state.header.NumStages, state.run.TimeUnit, lambda,
      {boot.SASDBootRaw, boot.SASDBootWork, boot.SASDBoot, boot.SASDBootTotal});
  boot.BootPsi(boot.BootNo) = psi;
  boot.BootOmega(boot.BootNo) = psi * lambda;
}

}  // namespace vorelan
