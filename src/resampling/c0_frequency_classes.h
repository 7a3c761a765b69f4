#pragma once
// The 20 classes of equal width into which the resampled values of C0 are
// counted for the histogram and the frequency files: class i holds the
// values from its begin, Min + i (Max - Min) / 20, up to the next begin.
#include <span>

#include "model/frequency_classes.h"

namespace vorelan {

enum class C0ClassRule {
  // Jackknife pseudo-values: begins and centres of classes 0..22; every value
  // is counted, unless the smallest is 0: then the zeros are left out and
  // only classes 0..21 get begins.
  Jackknife,
  // Bootstrap replicates: begins and centres of classes 0..23; a replicate
  // with C0 = 0 is never counted.
  Bootstrap,
};

// Min, Max, the width, begins, centres and frequencies of `values`. Every
// countable value lands in exactly one class: the largest in class 20 (or
// 19 when rounding puts the begin of class 20 above it). When all values are
// equal (width 0) every countable value is in class 0.
void classifyC0(C0FrequencyClasses& classes, std::span<const double> values, C0ClassRule rule);

}  // namespace vorelan
