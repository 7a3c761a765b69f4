#include "datafile/jackknife_reader.h"

#include <stdexcept>
#include <string>

#include "datafile/data_file_error.h"
#include "datafile/raw_data_reader.h"
#include "datafile/record_grammar.h"
#include "platform/program_termination.h"

namespace vorelan {
namespace {

// The jackknife's tests: the serial number is not compared with the
// position; a wrong sex letter or an "N" record reaching the adult stage is
// the jackknife error, after which every open file is closed and the
// program ends.
class JackknifeRules : public RecordRules {
 public:
  JackknifeRules(AnalysisState& state, Platform& platform, bool tellMainWindow)
      : state_(state), platform_(platform), tellMainWindow_(tellMainWindow) {}

  void serialAndSex(const IndividualRecord& record) override {
    if (!isSexLetter(record.sex)) fail(record.position);
  }
  void unsexedReachesAdultStage(const IndividualRecord& record) override { fail(record.position); }

 private:
  [[noreturn]] void fail(int position) {
    if (tellMainWindow_) platform_.windowText.writeLine(JackknifeErrorText);
    platform_.message.show(std::string(JackknifeErrorText) + " Individual no." +
                               std::to_string(position) + "or" + std::to_string(position + 1) + ".",
                           JackknifeErrorTitle);
    state_.files.closeAll();
    throw ProgramTermination();
  }

  AnalysisState& state_;
  Platform& platform_;
  bool tellMainWindow_;
};

// Record i before the omitted one: read into index i.
void InputOmitJack1(AnalysisState& state, DataFields& fields, int i) {
  JackknifeRules rules(state, fields.platform(), true);
  storeRecordInCohort(readIndividualRecord(fields, i, state.header.NumStages, rules), state, i);
}

// The omitted record: read field by field so that the next record starts at
// the right field, and kept nowhere.
void InputOmitJack2(AnalysisState& state, DataFields& fields, int i) {
  JackknifeRules rules(state, fields.platform(), false);
  readIndividualRecord(fields, i, state.header.NumStages, rules);
}

// Record i after the omitted one: read into index i-1.
void InputOmitJack3(AnalysisState& state, DataFields& fields, int i) {
  JackknifeRules rules(state, fields.platform(), false);
  storeRecordInCohort(readIndividualRecord(fields, i, state.header.NumStages, rules), state, i - 1);
}

}  // namespace

void InputDataForJackknife(AnalysisState& state, Platform& platform) {
  FieldReader reader = openDataFile(state, platform);
  DataFields fields(reader, platform);
  readCohortHeader(fields, state.header);
  const int n = state.header.NumIndividuals;
  const int omitted = state.jackknife.JackOmitted;
  if (omitted < 1) throw std::out_of_range("no individual to leave out of the jackknife pass");
  // A file changed since the Basic Run may no longer hold the individual.
  if (omitted > n) failDataFile(platform, "The data file ends before " + individualItem(omitted) + ".");
  // Every pass starts from an empty working cohort, so that nothing of an
  // omitted record, nor of an earlier pass, stays in the rows of the others.
  state.cohort.resizeFor(n - 1);
  state.header.MaxAgeRead = 0;
  for (int i = 1; i <= n; ++i) {
    if (i < omitted) {
      InputOmitJack1(state, fields, i);
    } else if (i == omitted) {
      InputOmitJack2(state, fields, i);
    } else {
      InputOmitJack3(state, fields, i);
    }
  }
  state.header.NumIndividuals = n - 1;
}

LeaveOneOutSource readLeaveOneOutSource(AnalysisState& state, Platform& platform) {
  FieldReader reader = openDataFile(state, platform);
  DataFields fields(reader, platform);
  LeaveOneOutSource source;
  readCohortHeader(fields, source.header);
  JackknifeRules rules(state, platform, false);
  for (int i = 1; i <= source.header.NumIndividuals; ++i) {
    source.records.push_back(readIndividualRecord(fields, i, source.header.NumStages, rules));
  }
  return source;
}

void storeLeaveOneOutCohort(AnalysisState& state, const LeaveOneOutSource& source, int omitted) {
  const int n = static_cast<int>(source.records.size());
  if (omitted < 1 || omitted > n) throw std::out_of_range("no such individual to leave out");
  copyHeaderItemsRead(source.header, state.header);
  state.header.NumIndividualsInFile = source.header.NumIndividualsInFile;
  state.cohort.resizeFor(n - 1);
  state.header.MaxAgeRead = 0;
  for (int i = 1; i <= n; ++i) {
    if (i != omitted) storeRecordInCohort(source.records[i - 1], state, i < omitted ? i : i - 1);
  }
  state.header.NumIndividuals = n - 1;
}

}  // namespace vorelan
