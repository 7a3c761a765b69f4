#include "runs/state_before_run.h"

#include <type_traits>
#include <utility>

namespace vorelan {

// Putting the copy back must not throw: it also runs while an error that
// ends the program passes through the run.
static_assert(std::is_nothrow_move_assignable_v<AnalysisData>);

StateBeforeRun::StateBeforeRun(AnalysisState& state) : state_(state), before_(static_cast<const AnalysisData&>(state)) {}

StateBeforeRun::~StateBeforeRun() {
  if (before_) static_cast<AnalysisData&>(state_) = std::move(*before_);
}

}  // namespace vorelan
