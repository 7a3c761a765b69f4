#pragma once
// The boundary between an event handler and the core. A data error unwinds
// to here as ProgramTermination: every open file is closed and the program ends.
#include <utility>

#include "model/analysis_state.h"
#include "platform/program_termination.h"
#include "platform/user_interface.h"
#include "report/file_failure.h"

namespace vorelan {

// Runs one handler's work. False when it ended the program.
template <class Work>
bool runHandler(AnalysisState& state, Platform& platform, Work&& work) {
  try {
    std::forward<Work>(work)();
    // The runs tell their unwritten files at their ends; a step that wrote
    // files outside a run is told here, at the end of its handler.
    tellUnwrittenFiles(state, platform);
    return true;
  } catch (const ProgramTermination&) {
    state.files.closeAll();
    platform.programExit.endProgram();
    return false;
  }
}

}  // namespace vorelan
