#pragma once
// The title window's animation: eight forms of the title light up one after
// another, the last one stands while the cycle pauses, then it starts over.
#include <optional>

namespace vorelan {

inline constexpr int TitleForms = 8;
inline constexpr int TitleCycleTicks = 15;

struct TitleAnimation {
  int TitleTick = 0;       // position in the cycle, 0 to 14
  int TitleLastLabel = 0;  // the form shown last
};

// What one tick changes: the form to hide and the form to show, or nothing
// during the pause.
struct TitleStep {
  std::optional<int> hide;
  std::optional<int> show;
};

// One tick of the title timer.
TitleStep titleTimerTick(TitleAnimation& animation);

}  // namespace vorelan
