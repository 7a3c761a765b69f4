#pragma once
// Telling the user, once at the end of a run or step, which of its output
// files could not be written, why, and that their earlier versions are kept.
#include <string>
#include <vector>

#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* OutputFileErrorTitle = "Error in output file";
// More names than this are counted, not listed.
inline constexpr std::size_t ListedUnwrittenFiles = 10;

// Why a file could not be written, in the user's words, from its error number.
std::string unwrittenReason(int error);

// The message for these files: the folder, the reason, the names with
// `reportPath` first (when it is among them), and that nothing earlier was lost.
std::string unwrittenFilesMessage(std::vector<UnwrittenFile> files, const std::string& reportPath);

// Shows one message for every file noted in state.files.unwritten since the
// last time, the current report first, and forgets them. Nothing when all
// were written.
// The files of the current step that still wait are put in place first.
void tellUnwrittenFiles(AnalysisState& state, Platform& platform);

// The one message of a step that was not kept because its files could not
// be written: `lead`, which says so, then every file noted, `firstPath` first.
void tellStepNotKept(AnalysisState& state, Platform& platform, const std::string& lead, const std::string& firstPath);

// The one message of a resampling run whose report could not be written,
// so that none of its files took its place: that its results were not
// written, and every file of the run, `reportPath` first.
void tellRunNotWritten(AnalysisState& state, Platform& platform, const std::string& runName,
                       const std::string& reportPath);

}  // namespace vorelan
