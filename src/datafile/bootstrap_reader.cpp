#include "datafile/bootstrap_reader.h"

#include <algorithm>

#include "datafile/raw_data_reader.h"
#include "datafile/record_grammar.h"

namespace vorelan {
namespace {

void clearWorkingCohort(AnalysisState& state) {
  CohortRecords& cohort = state.cohort;
  cohort.Sex.clear();
  cohort.SerialNo.clear();
  cohort.StageDuration.clear();
  cohort.DailyConsumption.clear();
  cohort.StageConsumption.clear();
  cohort.Txj.clear();
  state.matrices.Cxj.clear();
  state.header.MaxAgeRead = 0;
}

}  // namespace

void storeRecordInSource(const IndividualRecord& record, SourceCohort& source, int i, int numStages) {
  storeRecordRows(record, numStages, source.rows(), i, [&](const DayRead& day, int column) {
    source.SourceStageDailyConsumption(i, day.age, column) = day.value;
  });
  source.SourceMaxAge = std::max(source.SourceMaxAge, record.maxAgeAtClose);
}

void InputDataForBootstrap(AnalysisState& state, Platform& platform) {
  clearWorkingCohort(state);
  FieldReader reader = openDataFile(state, platform);
  DataFields fields(reader, platform);
  CohortHeader read;
  readCohortHeader(fields, read);
  copyHeaderItemsRead(read, state.header);

  SourceCohort& source = state.source;
  const int n = read.NumIndividualsInFile;
  source.NumSourceIndividuals = read.NumIndividualsInFile;
  state.bootstrap.BootSampleSize = read.NumIndividualsInFile;
  source.resizeFor(n);
  source.SourceMaxAge = 0;
  RecordErrorRules rules(platform);
  for (int i = 1; i <= n; ++i) {
    storeRecordInSource(readIndividualRecord(fields, i, read.NumStages, rules), source, i,
                        read.NumStages);
  }
}

}  // namespace vorelan
