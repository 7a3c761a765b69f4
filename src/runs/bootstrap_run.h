#pragma once
// Bootstrap: the sampling distribution of the net consumption rate C0 (and,
// with the sibling program's samples, of Qp and the predation rates) from B
// replicates of the cohort. Writes "_0_Bootstrap_Output.txt", the result
// files, the frequency file and on request the normal density curves.
//
// Before the first question the data file is compared with the bytes the
// Basic Run analysed: a file edited since is refused with a message. Every
// question is asked and every answer checked before anything changes: a
// Cancel or a refused answer leaves the program as it was. The source cohort
// is read from the bytes analysed, whatever the file holds by then. The
// replicates run as background work, so the window stays alive; boxes come
// before and after them, on the caller's thread.
#include <functional>
#include <string>

#include "model/analysis_state.h"
#include "platform/background_work.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* BootstrapReportSuffix = "_0_Bootstrap_Output.txt";
inline constexpr const char* BootstrapSamplesRecordSuffix = "_0_Bootstrap_samples.txt";

// What the main window does at the run's turning points.
struct BootstrapRunWindow {
  // The present date and time, as the window shows them.
  std::function<std::string()> now = [] { return std::string(); };
  // The replicates begin: BootBeginText is set, the controls of a running
  // resampling run apply.
  std::function<void()> replicatesBegin = [] {};
  // The run has ended: the classes of C0 and BootEndText are ready, the
  // controls of a finished resampling run apply.
  std::function<void()> runEnded = [] {};
};

enum class BootstrapOutcome {
  NotStarted,  // a Cancel or a refusal: nothing changed
  Stopped,     // stopped, or its report could not be written: every earlier file stays, and
               // the analysis is as the Basic Run left it
  Done,
};

BootstrapOutcome cmdBootstrap_Click(AnalysisState& state, Platform& platform, BackgroundWork& background,
                                    const BootstrapRunWindow& window = {});

}  // namespace vorelan
