#include "guidance/title_animation.h"

namespace vorelan {

TitleStep titleTimerTick(TitleAnimation& animation) {
  animation.TitleTick += 1;
  if (animation.TitleTick >= TitleCycleTicks) animation.TitleTick = 0;
  if (animation.TitleTick >= TitleForms) return {};
  const TitleStep step{animation.TitleLastLabel, animation.TitleTick};
  animation.TitleLastLabel = animation.TitleTick;
  return step;
}

}  // namespace vorelan
