#pragma once
// State of the bootstrap run.
#include <cstdint>

namespace vorelan {

struct BootstrapState {
  // Individuals drawn into each bootstrap sample; the file's N by default.
  std::int16_t BootSampleSize = 0;
};

}  // namespace vorelan
