#pragma once
// What each open-file dialog of the runs asks for. The files that go with a
// data file (the sibling program's files, an earlier result) lie in its
// folder, so their dialogs open there and offer text files first.
#include <string>

#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "report/output_file_names.h"

namespace vorelan {

// The data file dialog: any file, wherever the dialog opens.
FileRequest dataFileRequest();
// Read SASD: the sibling program's stable age-stage distribution file.
FileRequest sasdFileRequest(const AnalysisState& state);
// The same bootstrap samples: the sibling program's samples file.
FileRequest bootstrapSamplesFileRequest(const AnalysisState& state);
// C2B: the bootstrap result of the second treatment.
FileRequest secondTreatmentFileRequest(const AnalysisState& state);

}  // namespace vorelan
