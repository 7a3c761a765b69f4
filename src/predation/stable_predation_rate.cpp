#include "predation/stable_predation_rate.h"

namespace vorelan {

double StablePredationRate(const Array2<double>& distribution, const Array2<double>& consumptionRate,
                           int maxAge, int stageColumns) {
  double psi = 0;
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= stageColumns; ++j) psi += predationAt(distribution, consumptionRate, x, j);
  }
  return psi;
}

}  // namespace vorelan
