#pragma once
// State of the jackknife run: the individual left out of the current pass,
// the net consumption rates of the passes, their pseudo-values and what is
// computed from them.
#include <cstdint>

#include "arrays.h"
#include "frequency_classes.h"
#include "limits.h"

namespace vorelan {

struct JackknifeState {
  // The individual left out in the current pass, 1..NumIndividualsInFile;
  // 0 while no pass runs.
  std::int32_t JackOmitted = 0;
  double JackFullC0 = 0;  // C0 of the whole cohort
  // C0 without individual k and its pseudo-value n C0(all) - (n-1) C0(without k).
  Array1<double> JackC0{limits::MaxIndividuals + 1};
  Array1<double> JackPseudoC0{limits::MaxIndividuals + 1};
  // Mean, variance, S.D. and S.E. of the pseudo-values.
  double JackMean = 0;
  double JackVar = 0;
  double JackSD = 0;
  double JackSE = 0;
  // JackMin, JackMax, JackClassWidth, JackClassBegin, JackClassCenter and
  // JackFrequency of the pseudo-values.
  C0FrequencyClasses JackClasses;
};

}  // namespace vorelan
