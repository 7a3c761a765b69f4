#pragma once
// The two questions of a new-samples bootstrap run: the number of replicates
// B and the sample size n. They are asked before the run changes anything,
// so that Cancel leaves everything as it was.
#include <cstdint>
#include <optional>

#include "platform/user_interface.h"

namespace vorelan {

inline constexpr std::int32_t MinBootstrapReplicates = 2;  // a variance needs two
inline constexpr std::int32_t MaxNewBootstrapReplicates = 40000;
inline constexpr int MinBootstrapSampleSize = 1;

struct BootstrapSize {
  std::int32_t replicates = 0;  // B
  int sampleSize = 0;           // n
};

// Asks B (default 40000) and n (default `defaultSampleSize`). A whole number
// outside 2..40000 for B or 1..400 for n, or an answer that is no whole
// number, gets a message saying the allowed range and the question again.
// Nothing when the user cancels either question.
std::optional<BootstrapSize> BeginBootstrap(Platform& platform, int defaultSampleSize);

}  // namespace vorelan
