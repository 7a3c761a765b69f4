#include "resampling/jackknife_passes.h"

#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"

namespace vorelan {
namespace {

// Nothing of the Basic Run or of an earlier pass stays in c(x,j) or k(x)
// past the ages this pass recomputes (lives reach 404 time units).
void clearBeforePass(AnalysisState& state) {
  state.matrices.Cxj.clear();
  state.ageVectors.Kx.clear();
}

}  // namespace

bool runJackknifePasses(AnalysisState& state, Platform& platform, const LeaveOneOutSource& source,
                        WorkProgress* progress) {
  const int n = static_cast<int>(source.records.size());
  for (int k = 1; k <= n; ++k) {
    if (progress && progress->stopRequested()) return false;
    state.jackknife.JackOmitted = k;
    clearBeforePass(state);
    storeLeaveOneOutCohort(state, source, k);
    life01(state, platform);
    life03(state, platform);
    life05(state, platform);
    if (progress) progress->report(k, n);
  }
  return true;
}

}  // namespace vorelan
