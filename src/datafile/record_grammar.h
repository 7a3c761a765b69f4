#pragma once
// The grammar of one individual record of the raw data file, written once for
// the reader, the checks and the resampling readers: serial number, sex
// letter, stage durations up to the death stage or the adult stage, then the
// daily values of each stage reached, each stage closed by -1 or read to its
// d+1 values. What is read is returned as a record; where it is stored is the
// caller's business, and what is refused is decided by the caller's rules.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "datafile/data_fields.h"
#include "model/individual_record.h"
#include "model/limits.h"

namespace vorelan {

// A daily value just read, with where it stands in the record.
struct ValueRead {
  int stage;        // j
  int ordinal;      // k: the k-th value of the stage, from 1
  double duration;  // the stage's duration as read; negative in the death stage
  int age;          // running age index at which the value stands
  double value;

  bool inDeathStage() const { return duration < 0; }
  // The (d+1)-th value of the stage: the last the stage may take.
  bool isLastAllowed() const { return ordinal > std::fabs(duration); }
};

// The tests applied while a record is read. A test that fails shows its
// message and ends the program (it throws); returning lets the walk go on.
class RecordRules {
 public:
  virtual ~RecordRules() = default;
  // After the serial number and the sex letter are read.
  virtual void serialAndSex(const IndividualRecord& record) = 0;
  // An "N" record is about to read a duration of the adult stage: must refuse it.
  virtual void unsexedReachesAdultStage(const IndividualRecord& record) = 0;
  // After the duration of `stage` is read into the record.
  virtual void durationRead(const IndividualRecord&, int /*stage*/) {}
  // After a daily value is read, before it is used.
  virtual void valueRead(const IndividualRecord&, const ValueRead&) {}
};

bool isSexLetter(const std::string& letter);

// Label of an individual in messages: "individual no.7".
std::string individualItem(long individual);

// Reads the record at `position` with the grammar, applying `rules` at each step.
IndividualRecord readIndividualRecord(DataFields& fields, int position, int numStages,
                                      RecordRules& rules);

// The stage column of T(x,j) that a value read in `stage` goes to: a male's
// values in a surviving stage from K on go to the male adult column K+1.
int consumptionColumn(const IndividualRecord& record, int stage, int numStages);

}  // namespace vorelan
