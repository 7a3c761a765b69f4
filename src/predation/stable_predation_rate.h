#pragma once
// The stable predation rate psi of a stable age-stage distribution a(x,j)
// and an age-stage consumption rate c(x,j): the consumption of a population
// of size 1 at that distribution. Every psi of the program (the rates of the
// distribution file, the psi under the reports' product table and the psi of
// each bootstrap replicate) is formed here, so that they are one number.
#include "model/arrays.h"

namespace vorelan {

// a(x,j) * c(x,j) of one age-stage unit.
inline double predationAt(const Array2<double>& distribution, const Array2<double>& consumptionRate, int x,
                          int j) {
  return distribution(x, j) * consumptionRate(x, j);
}

// psi = the sum over ages x = 0..maxAge and stage columns j = 1..stageColumns
// of a(x,j) * c(x,j), summed age by age. Age 0 counts: a first stage may
// feed from its first day.
double StablePredationRate(const Array2<double>& distribution, const Array2<double>& consumptionRate,
                           int maxAge, int stageColumns);

}  // namespace vorelan
