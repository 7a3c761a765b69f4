#pragma once
// The frequency classes of the resampled net consumption rates C0 (the
// bootstrap replicates or the jackknife pseudo-values): 20 classes of equal
// width from the smallest value, as the histogram and the frequency files
// show them.
#include <cstdint>

#include "arrays.h"

namespace vorelan {

struct C0FrequencyClasses {
  static constexpr std::size_t Slots = 31;  // classes 0..30, of which 0..23 are used

  double Min = 0;         // JackMin / BootC0Min
  double Max = 0;         // JackMax / BootC0Max
  double ClassWidth = 0;  // (Max - Min) / 20
  Array1<double> ClassBegin{Slots};
  Array1<double> ClassCenter{Slots};
  Array1<std::int32_t> Frequency{Slots};
};

}  // namespace vorelan
