#pragma once
// The peak memory of the benchmark's process so far, in megabytes.
#include <sys/resource.h>

namespace vorelan {

inline double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace vorelan
