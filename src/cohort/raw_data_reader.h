#pragma once
// The reader of the raw data file: the header of the cohort, then one record
// per individual with its sex, stage durations and daily consumption.
#include "cohort/data_fields.h"
#include "cohort/field_reader.h"
#include "cohort/record_grammar.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Reads header items 1 to 8 (project to span names) and refuses counts
// beyond the limits of the analysis.
void readCohortHeader(DataFields& fields, CohortHeader& header);

// Opens the data file named by DataFileName and reads the whole cohort.
void InputData(AnalysisState& state, Platform& platform);

// Reads the whole file from its first field into the header and the working
// cohort, building the stage and age-stage consumption sums and MaxAgeRead.
void InputDataA(AnalysisState& state, FieldReader& reader, Platform& platform);

// The reader's tests: a serial number other than the record's position, a
// sex letter other than "F", "M" or "N", or an "N" record reaching the adult
// stage is the record error "Check data of individual no. " i-1 " or " i.
class RecordErrorRules : public RecordRules {
 public:
  explicit RecordErrorRules(Platform& platform) : platform_(platform) {}
  void serialAndSex(const IndividualRecord& record) override;
  void unsexedReachesAdultStage(const IndividualRecord& record) override;

 private:
  Platform& platform_;
};

// Stores a record read into row `index` of the working cohort: its serial
// number, letter, durations, daily values with the end mark, and adds its
// values to the stage and age-stage consumption sums and raises MaxAgeRead.
// The row must be empty.
void storeRecordInCohort(const IndividualRecord& record, AnalysisState& state, int index);

// The reader of a data file that cannot be opened: says so and ends the program.
FieldReader openDataFile(const std::string& path, Platform& platform);

}  // namespace vorelan
