#include "runs/bootstrap_progress.h"

#include <algorithm>

namespace vorelan {

BootstrapProgress bootstrapProgress(std::int64_t done, std::int64_t total) {
  const std::int64_t signed_ = std::max<std::int64_t>(0, std::min(done, total - 1)) / 1000;
  return {signed_, std::to_string(done) + " of " + std::to_string(total) + " replicates done"};
}

ProgressSignColour nextSignColour(ProgressSignColour colour) {
  return colour == ProgressSignColour::Yellow ? ProgressSignColour::Green : ProgressSignColour::Yellow;
}

}  // namespace vorelan
