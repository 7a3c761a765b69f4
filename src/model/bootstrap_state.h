#pragma once
// State of the bootstrap run.
#include <cstdint>

#include "frequency_classes.h"

namespace vorelan {

struct BootstrapState {
  // Individuals drawn into each bootstrap sample; the file's N by default.
  std::int16_t BootSampleSize = 0;
  std::int32_t NumBootstrap = 0;  // B, the number of replicates
  // Mean, variance and S.E. of C0 over the replicates (the S.E. of a
  // bootstrap estimate is the S.D. of its replicate values).
  double BootC0Mean = 0;
  double BootC0Var = 0;
  double BootC0SE = 0;
  // BootC0Min, BootC0Max, BootClassWidth, BootClassBegin, BootClassCenter
  // and BootFrequency of the replicate values of C0.
  C0FrequencyClasses BootClasses;
};

}  // namespace vorelan
