#pragma once
// One individual record of the data file as read: plain values, kept from the
// check at Open so that the Basic Run need not parse the same bytes again.
#include <array>
#include <string>
#include <vector>

#include "model/limits.h"

namespace vorelan {

// A value read as a day of the individual's life (a closing -1 is not one).
struct DayRead {
  int age;       // age index in time units from 0
  int stage;     // stage j of the record
  double value;
};

struct IndividualRecord {
  int position = 0;  // place of the record in the file, from 1
  long serialNo = 0;
  std::string sex;
  // Durations of stages 1..K as read; stages after the death stage stay 0.
  std::array<double, limits::StageColumns> duration{};
  std::vector<DayRead> days;  // in the order read; days filled in after a -1 are not here
  int finalAge = 0;           // running age at the end: the record spans ages 0..finalAge-1
  // Largest running age at a closing -1 or at the end of a stage read to its
  // full d+1 values (days filled in after a -1 do not count).
  double maxAgeAtClose = 0;
  double lastValue = 0;  // the last daily value read, -1 included
};

}  // namespace vorelan
