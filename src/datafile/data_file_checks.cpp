#include "datafile/data_file_checks.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "datafile/data_file_error.h"
#include "datafile/raw_data_reader.h"
#include "datafile/record_grammar.h"

namespace vorelan {
namespace {

std::string individualNo(int i) { return "Individual no." + std::to_string(i); }

// Message B.
[[noreturn]] void failUnsexedWithAdultStage(Platform& platform, int i) {
  failDataFile(platform, individualNo(i) + " is type N with adult stage. It is incorrect.");
}

// The tests of the check run from the main window: the reader's record
// error (message A), and message B for an "N" record reaching the adult stage.
class LenientRules : public RecordErrorRules {
 public:
  explicit LenientRules(Platform& platform) : RecordErrorRules(platform) {}

  void unsexedReachesAdultStage(const IndividualRecord& record) override {
    failUnsexedWithAdultStage(platform_, record.position);
  }
};

// The tests of the check run at Open. Beyond messages A to E they refuse
// what the reader would take but the life table would count on the wrong
// ages or leave out: a stage that runs past its duration, a duration of 0 or
// a fractional one, a letter that no sex line of the header carries.
class StrictRules : public LenientRules {
 public:
  StrictRules(Platform& platform, const CohortHeader& header) : LenientRules(platform), header_(header) {}

  void serialAndSex(const IndividualRecord& record) override {
    LenientRules::serialAndSex(record);
    sexLine_ = sexLineOf(record.sex);
    if (sexLine_ == 0) {
      fail(individualNo(record.position) + " is type " + record.sex +
           ", but no sex line of the header is " + record.sex + ". It is incorrect.");
    }
  }

  void durationRead(const IndividualRecord& record, int stage) override {
    const int i = record.position;
    const double d = record.duration[stage];
    if (d < 0 && record.sex != "N") {
      fail(individualNo(i) + " is type F or M without adult stage. It is incorrect.");
    }
    if (d != std::floor(d)) {
      fail(individualNo(i) + ", " + stageItem(stage) + ": duration " + messageNumber(d) +
           " is not a whole number of time units. It is incorrect.");
    }
    // The life-table walk turns a duration of 0 into a stay of two ages, while
    // the daily values give such a stage no day at all; the adult stage too.
    if (d == 0) {
      fail(individualNo(i) + ", " + stageItem(stage) +
           ": duration 0, but a stage that is entered lasts at least one time unit. It is incorrect.");
    }
  }

  void valueRead(const IndividualRecord& record, const ValueRead& value) override {
    const int i = record.position;
    if (value.value == -1) return;
    if (value.inDeathStage() && value.isLastAllowed()) {
      fail("Error in individual no. " + std::to_string(i) + ".");
    }
    if (value.value < 0) {
      fail(individualNo(i) + ", age" + std::to_string(value.age) +
           ". Predation rate <0. It is incorrect.");
    }
    if (value.isLastAllowed()) {
      fail(individualNo(i) + ", " + stageItem(value.stage) + ": daily values beyond the duration " +
           messageNumber(value.duration) + " without a closing -1. It is incorrect.");
    }
  }

 private:
  [[noreturn]] void fail(const std::string& firstLine) { failDataFile(platform_, firstLine); }

  int sexLineOf(const std::string& letter) const {
    for (int s = 1; s <= header_.NumSexes; ++s) {
      if (header_.SexName(s) == letter) return s;
    }
    return 0;
  }

  // "stage 2 (Larva)", named as in the individual's own sex line.
  std::string stageItem(int stage) const {
    return "stage " + std::to_string(stage) + " (" + shownInMessage(header_.StageNameAsRead(sexLine_, stage)) +
           ")";
  }

  const CohortHeader& header_;
  int sexLine_ = 0;
};

// A header that lists one sex twice would count its individuals twice in
// the per-sex statistics.
void refuseRepeatedSexLines(const CohortHeader& header, Platform& platform) {
  for (int s = 2; s <= header.NumSexes; ++s) {
    for (int t = 1; t < s; ++t) {
      if (header.SexName(s) == header.SexName(t)) {
        failDataFile(platform, "Sex line " + std::to_string(s) + " of the header repeats the sex " +
                                   shownInMessage(header.SexName(t)) + " of sex line " + std::to_string(t) +
                                   ". It is incorrect.");
      }
    }
  }
}

// Walks every record of the file with `rules`; nothing read is kept.
void walkRecords(DataFields& fields, const CohortHeader& header, RecordRules& rules) {
  for (int i = 1; i <= header.NumIndividuals; ++i) {
    readIndividualRecord(fields, i, header.NumStages, rules);
  }
}

}  // namespace

void CheckData2005(AnalysisState& state, Platform& platform) {
  const std::string& path = state.report.DataFileName;
  std::shared_ptr<const std::string> bytes = dataFileBytes(state, platform);
  // The check reads nothing but the bytes: those that passed already pass again.
  if (state.files.checkedDataFile.recordsOf(path, bytes)) return;
  state.files.forgetCheckedDataFile();
  FieldReader reader(bytes);
  DataFields fields(reader, platform);
  CohortHeader header;  // scratch: the analysis keeps its own
  readCohortHeader(fields, header);
  refuseRepeatedSexLines(header, platform);
  StrictRules rules(platform, header);
  auto records = std::make_shared<std::vector<IndividualRecord>>();
  records->reserve(static_cast<std::size_t>(header.NumIndividuals));
  for (int i = 1; i <= header.NumIndividuals; ++i) {
    records->push_back(readIndividualRecord(fields, i, header.NumStages, rules));
  }
  state.files.checkedDataFile = {path, std::move(bytes), std::move(records)};
}

void CheckDatafile(AnalysisState& state, Platform& platform) {
  if (state.report.DataFileName.empty()) {
    platform.message.show("Open a data file first.", CheckDataFileTitle);
    return;
  }
  FieldReader reader = openDataFile(state, platform);
  DataFields fields(reader, platform);
  CohortHeader header;  // scratch: the analysis keeps its own
  readCohortHeader(fields, header);
  LenientRules rules(platform);
  walkRecords(fields, header, rules);
  platform.message.show("It looks OK.", CheckDataFileTitle);
}

}  // namespace vorelan
