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

ProgressSignColour signColourAfter(ProgressSignColour atBegin, std::int64_t signs) {
  if (signs <= 0) return atBegin;
  // Two signs from any colour end on the colour one sign from yellow gives.
  const ProgressSignColour first = nextSignColour(atBegin);
  return signs % 2 == 1 ? first : nextSignColour(first);
}

ProgressSignStep progressSignStep(ProgressSignColour atBegin, std::int64_t signsShown, std::int64_t signs) {
  const ProgressSignColour shown = signColourAfter(atBegin, signsShown);
  if (signs <= signsShown) return {false, shown, std::nullopt};
  const ProgressSignColour colour = signColourAfter(atBegin, signs);
  if (colour != shown) return {true, colour, std::nullopt};
  return {true, colour, nextSignColour(shown)};
}

bool greetingTimerWritesLabel6(const RunFlags& run) {
  return !(run.ResamplingRunning && run.ResampleMethod == "b");
}

}  // namespace vorelan
