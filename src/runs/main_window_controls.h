#pragma once
// Which controls of the main window can be used, as one plain value computed
// from the phase of the program's run. The main window applies it after every
// handler, so each rule stands here once instead of in the handlers.
#include <string>

#include "model/analysis_state.h"

namespace vorelan {

enum class MainWindowPhase {
  Start,           // nothing opened yet
  FileOpened,      // a data file was opened and checked, Basic Run not yet run
  BasicRunDone,    // the life table is computed
  Resampling,      // a jackknife or bootstrap run is going on
  ResamplingDone,  // the one resampling run of the program has finished
};

struct MainWindowControls {
  bool cmdOpenDataFile = true;
  bool Label2 = true;  // "Step 1.": checks the data file
  bool cmdBasicRun = false;
  bool cmdBootstrap = false;
  bool cmdJackknife = false;
  bool cmdCompare2boots = false;
  bool cmdCompare2bootsVisible = false;
  bool Command6 = false;  // Read SASD
  bool Command2 = true;   // B or J results
  bool Command4 = false;  // Large
  bool Command23 = false; // Means
  bool Command27 = false; // Results
  bool Command28 = false; // Output files
  bool Frame1 = true;     // the frame of the figure buttons
  bool figureButtons = true;
  bool histogramShown = false;  // MSChart2 in place of MSChart1
  bool bootstrapTimesShown = false;  // lblBootBegin and lblBootEnd
  bool replicateProgressShown = false;  // the count of replicates done while they run

  bool operator==(const MainWindowControls&) const = default;
};

// What the progress of the resampling run counts, for the bar shown while it goes.
std::string runProgressCaption(const AnalysisState& state);

MainWindowPhase mainWindowPhase(const AnalysisState& state);
MainWindowControls mainWindowControls(const AnalysisState& state);

}  // namespace vorelan
