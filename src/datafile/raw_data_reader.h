#pragma once
// The reader of the raw data file: the header of the cohort, then one record
// per individual with its sex, stage durations and daily consumption.
#include <memory>
#include <string>
#include <vector>

#include "datafile/data_fields.h"
#include "datafile/field_reader.h"
#include "datafile/record_grammar.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Reads header items 1 to 8 (project to span names) and refuses counts
// beyond the limits of the analysis.
void readCohortHeader(DataFields& fields, CohortHeader& header);

// Copies into `into` the items of the header that readCohortHeader reads,
// except the counts of individuals, which belong to the working cohort; the
// rest (such as the adult column renamed "Male") stays as it stands.
void copyHeaderItemsRead(const CohortHeader& read, CohortHeader& into);

// The bytes of the data file named by DataFileName: those held open for the
// run, or else the file's as they are now. A file that cannot be read ends
// the program with the data file error.
std::shared_ptr<const std::string> dataFileBytes(const AnalysisState& state, Platform& platform);

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

 protected:
  Platform& platform_;
};

// Stores a record read into row `index` of `rows`: its serial number, letter,
// durations, daily values (days filled in after a -1 as 0) with the end mark
// after the last age + 1, and adds its values to the stage consumption.
// Each day read is then handed to `fileDay(day, column)` with the stage
// column of T(x,j) it belongs to. The row must be empty.
template <class FileDay>
void storeRecordRows(const IndividualRecord& record, int numStages, IndividualRows rows, int index,
                     FileDay&& fileDay) {
  rows.serialNo(index) = static_cast<std::int16_t>(record.serialNo);
  rows.sex(index) = record.sex;
  for (int j = 1; j <= numStages; ++j) rows.stageDuration(index, j) = record.duration[j];
  // The entry at the final age itself is left as it stands.
  if (record.finalAge > 0) rows.dailyConsumption.fill(index, index, 0, record.finalAge - 1, 0.0);
  // The days of a stage stand together: their sum is carried along and
  // stored once, added in the same order as day by day.
  const std::vector<DayRead>& days = record.days;
  for (std::size_t k = 0; k < days.size();) {
    const int stage = days[k].stage;
    const int column = consumptionColumn(record, stage, numStages);
    double sum = rows.stageConsumption(index, stage);
    for (; k < days.size() && days[k].stage == stage; ++k) {
      rows.dailyConsumption(index, days[k].age) = days[k].value;
      sum += days[k].value;
      fileDay(days[k], column);
    }
    rows.stageConsumption(index, stage) = sum;
  }
  rows.dailyConsumption(index, record.finalAge + 1) = -1;
}

// Stores a record read into row `index` of the working cohort: its serial
// number, letter, durations, daily values with the end mark, and adds its
// values to the stage and age-stage consumption sums and raises MaxAgeRead.
// The row must be empty.
void storeRecordInCohort(const IndividualRecord& record, AnalysisState& state, int index);

// A reader of the data file named in the state: of the bytes held open as
// file 2 when the run read them already, else of the file as it is now. A
// data file that cannot be opened is said so and ends the program.
FieldReader openDataFile(const AnalysisState& state, Platform& platform);

}  // namespace vorelan
