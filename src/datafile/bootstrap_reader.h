#pragma once
// The reader of the bootstrap's source cohort, from which every bootstrap
// sample is drawn.
#include "datafile/record_grammar.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Reads the data file named by DataFileName into the header items and the
// source cohort, with each daily value also filed under its age and stage
// column. Clears the working cohort, T(x,j), c(x,j) and MaxAgeRead, sets
// BootSampleSize to the file's N, and leaves NumIndividuals and
// NumIndividualsInFile as they were.
void InputDataForBootstrap(AnalysisState& state, Platform& platform);

// Stores record i in the source cohort (sized for it), each daily value
// also under its age and stage column; SourceMaxAge takes in its last age.
void storeRecordInSource(const IndividualRecord& record, SourceCohort& source, int i, int numStages);

}  // namespace vorelan
