#pragma once
// A resampling run computes on the bytes of the data file that the Basic Run
// analysed, and on nothing else: its results stand beside the Basic Run's C0
// and life table. A file edited since (records added, a value changed) is
// refused before the run asks or changes anything; the same bytes written
// again pass.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* DataFileChangedTitle = "Data file changed";

// True when the data file on disk is still, byte for byte, the one the Basic
// Run analysed. Otherwise a message box names the file and asks to quit and
// restart the program to analyse it as it is now, and the answer is false;
// nothing is changed either way.
bool dataFileAsAnalysed(const AnalysisState& state, Platform& platform, const char* runName);

// Holds the analysed bytes as file 2 for as long as it lives, so that the
// run's readers read them and not the file on disk.
class AnalysedDataFileHeld {
 public:
  explicit AnalysedDataFileHeld(AnalysisState& state);
  ~AnalysedDataFileHeld();
  AnalysedDataFileHeld(const AnalysedDataFileHeld&) = delete;
  AnalysedDataFileHeld& operator=(const AnalysedDataFileHeld&) = delete;

 private:
  AnalysisState& state_;
};

}  // namespace vorelan
