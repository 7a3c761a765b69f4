#include "datafile/raw_data_reader.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "datafile/data_file_error.h"
#include "datafile/file_bytes.h"
#include "model/limits.h"

namespace vorelan {

void RecordErrorRules::serialAndSex(const IndividualRecord& record) {
  if (record.serialNo != record.position || !isSexLetter(record.sex)) {
    failDataFile(platform_, recordErrorLine(record.position));
  }
}

void RecordErrorRules::unsexedReachesAdultStage(const IndividualRecord& record) {
  failDataFile(platform_, recordErrorLine(record.position));
}

void storeRecordInCohort(const IndividualRecord& record, AnalysisState& state, int index) {
  CohortRecords& cohort = state.cohort;
  storeRecordRows(record, state.header.NumStages, cohort.rows(), index,
                  [&](const DayRead& day, int column) { cohort.Txj(day.age, column) += day.value; });
  state.header.MaxAgeRead = std::max(state.header.MaxAgeRead, record.maxAgeAtClose);
  cohort.AgeCounter = static_cast<std::int16_t>(record.finalAge);
  cohort.InputValue = record.lastValue;
}

void readCohortHeader(DataFields& fields, CohortHeader& header) {
  header.ProjectName = fields.text("the project name");
  header.ResearcherName = fields.text("the user name");
  header.ExperimentDate = fields.text("the date of the experiment");
  header.NumIndividuals = static_cast<std::int32_t>(
      fields.whole("the number of individuals", 1, limits::MaxIndividuals,
                   "it must be 1 to " + std::to_string(limits::MaxIndividuals)));
  header.NumIndividualsInFile = static_cast<std::int16_t>(header.NumIndividuals);
  header.NumSexes = static_cast<std::int16_t>(fields.whole(
      "the number of sexes", 1, limits::MaxSexLines, "it must be 1 to " + std::to_string(limits::MaxSexLines)));
  header.NumStages = static_cast<std::int16_t>(
      fields.whole("the number of stages", limits::MinStages, limits::MaxStages,
                   "it must be " + std::to_string(limits::MinStages) + " to " +
                       std::to_string(limits::MaxStages)));
  for (int s = 1; s <= header.NumSexes; ++s) {
    header.SexName(s) = fields.text("the label of sex line " + std::to_string(s));
    for (int j = 1; j <= header.NumStages; ++j) {
      header.StageName(s, j) =
          fields.text("the name of stage " + std::to_string(j) + " of sex line " + std::to_string(s));
      header.StageNameAsRead(s, j) = header.StageName(s, j);
    }
  }
  header.SpanStageName(1) = fields.text("the first stage of the span");
  header.SpanStageName(2) = fields.text("the last stage of the span");
}

void copyHeaderItemsRead(const CohortHeader& read, CohortHeader& into) {
  into.ProjectName = read.ProjectName;
  into.ResearcherName = read.ResearcherName;
  into.ExperimentDate = read.ExperimentDate;
  into.NumSexes = read.NumSexes;
  into.NumStages = read.NumStages;
  for (int s = 1; s <= read.NumSexes; ++s) {
    into.SexName(s) = read.SexName(s);
    for (int j = 1; j <= read.NumStages; ++j) {
      into.StageName(s, j) = read.StageName(s, j);
      into.StageNameAsRead(s, j) = read.StageNameAsRead(s, j);
    }
  }
  into.SpanStageName(1) = read.SpanStageName(1);
  into.SpanStageName(2) = read.SpanStageName(2);
}

std::shared_ptr<const std::string> dataFileBytes(const AnalysisState& state, Platform& platform) {
  const std::string& path = state.report.DataFileName;
  if (state.files.file2.isOpenFor(path)) return state.files.file2.bytes();
  FileBytesRead content = readFileBytesWithCause(path);
  if (!content.bytes) {
    failDataFile(platform, "The data file " + path + " cannot be opened: " + unreadableReason(content.error) + ".");
  }
  return std::make_shared<const std::string>(std::move(*content.bytes));
}

FieldReader openDataFile(const AnalysisState& state, Platform& platform) {
  return FieldReader(dataFileBytes(state, platform));
}

void InputData(AnalysisState& state, Platform& platform) {
  std::shared_ptr<const std::string> bytes = dataFileBytes(state, platform);
  // The records the check read from these very bytes, or null: a file
  // edited since it was checked is read afresh.
  const auto* records = state.files.checkedDataFile.recordsOf(state.report.DataFileName, bytes);
  FieldReader reader(std::move(bytes));
  if (!records) {
    InputDataA(state, reader, platform);
    return;
  }
  // Those records passed stricter tests than the reader's own.
  DataFields fields(reader, platform);
  readCohortHeader(fields, state.header);
  state.cohort.resizeFor(state.header.NumIndividuals);
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    storeRecordInCohort((*records)[static_cast<std::size_t>(i - 1)], state, i);
  }
}

void InputDataA(AnalysisState& state, FieldReader& reader, Platform& platform) {
  DataFields fields(reader, platform);
  readCohortHeader(fields, state.header);
  const int n = state.header.NumIndividuals;
  state.cohort.resizeFor(n);
  RecordErrorRules rules(platform);
  for (int i = 1; i <= n; ++i) {
    const IndividualRecord record = readIndividualRecord(fields, i, state.header.NumStages, rules);
    storeRecordInCohort(record, state, i);
  }
}

}  // namespace vorelan
