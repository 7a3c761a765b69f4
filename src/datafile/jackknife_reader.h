#pragma once
// The reader of a jackknife pass: the working cohort without the individual
// named by JackOmitted.
#include <vector>

#include "datafile/record_grammar.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* JackknifeErrorTitle = "Error in data file!";
inline constexpr const char* JackknifeErrorText = "Error in data file, please correct it!";

// Reads the data file named by DataFileName into the header and an empty
// working cohort, leaving out record JackOmitted: records before it keep
// their index, records after it move down by one. NumIndividuals becomes
// N-1; NumIndividualsInFile stays N.
void InputDataForJackknife(AnalysisState& state, Platform& platform);

// The data file's cohort as the leave-one-out passes need it: the header and
// every record as read, so that each pass builds its cohort in memory
// instead of reading the whole file again.
struct LeaveOneOutSource {
  CohortHeader header;
  std::vector<IndividualRecord> records;  // records 1..N in file order
};

// Reads the data file named by DataFileName once, with the tests of the
// leave-one-out reader (as its first pass meets the records); a fault shows
// the jackknife error and ends the program. Changes nothing else.
LeaveOneOutSource readLeaveOneOutSource(AnalysisState& state, Platform& platform);

// Leaves in the header and the working cohort exactly what
// InputDataForJackknife leaves after reading the file without record
// `omitted` (1..N): the same rows, sums in the same order, the same counts.
void storeLeaveOneOutCohort(AnalysisState& state, const LeaveOneOutSource& source, int omitted);

}  // namespace vorelan
