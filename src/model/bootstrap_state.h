#pragma once
// State of the bootstrap run.
#include <cstdint>

namespace vorelan {

struct BootstrapState {
  // Individuals drawn into each bootstrap sample; the file's N by default.
  std::int16_t BootSampleSize = 0;
  // Mean of C0 over the replicates and its standard error (the standard
  // deviation of the replicate values).
  double BootC0Mean = 0;
  double BootC0SE = 0;
};

}  // namespace vorelan
