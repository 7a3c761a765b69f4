#include "datafile/record_grammar.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "datafile/data_file_error.h"

namespace vorelan {
namespace {

// The durations, up to the first negative one or stage K.
void readDurations(DataFields& fields, IndividualRecord& record, int numStages, RecordRules& rules) {
  const int i = record.position;
  const std::string ofIndividual = " of " + individualItem(i);
  std::string item;  // named anew for each stage in the same room
  double life = 0;
  for (int j = 1; j <= numStages; ++j) {
    if (record.sex == "N" && j == numStages) {
      rules.unsexedReachesAdultStage(record);
      throw std::logic_error("an unsexed record reaching the adult stage must be refused");
    }
    const double d =
        fields.number(item.assign("the duration of stage ").append(std::to_string(j)).append(ofIndividual));
    record.duration[j] = d;
    rules.durationRead(record, j);
    life += std::fabs(d);
    if (d < 0) break;
  }
  if (life > limits::MaxLifeTimeUnits) {
    failDataFile(fields.platform(), "The stage durations of " + individualItem(i) + " add up to " +
                                        messageNumber(life) + " time units; a life can last at most " +
                                        std::to_string(limits::MaxLifeTimeUnits) + ".");
  }
}

[[noreturn]] void refuseLifeBeyondLimit(DataFields& fields, int individual, int stage) {
  failDataFile(fields.platform(), "The daily values of stage " + std::to_string(stage) + " of " +
                                      individualItem(individual) + " run beyond " +
                                      std::to_string(limits::MaxLifeTimeUnits) + " time units.");
}

// Moves the running age on by one time unit, refusing a life beyond the limit.
void advanceAge(DataFields& fields, int individual, int stage, int& age) {
  if (age >= limits::MaxLifeTimeUnits) refuseLifeBeyondLimit(fields, individual, stage);
  ++age;
}

// The daily values, stage by stage. A stage of duration d takes at most d+1
// values; a -1 closes it and its remaining days count 0. The death stage's
// -1 ends the record.
void readDailyValues(DataFields& fields, IndividualRecord& record, int numStages, RecordRules& rules) {
  static const std::string limitText =
      "a daily value must lie within -" + messageNumber(limits::MaxDailyValue) + " and " +
      messageNumber(limits::MaxDailyValue);
  // Each stage takes at most d+1 values, and the durations were found to add
  // up to a life within the limit: room for every day at once.
  std::size_t mostDays = 0;
  for (int j = 1; j <= numStages; ++j) mostDays += static_cast<std::size_t>(std::fabs(record.duration[j])) + 1;
  record.days.reserve(mostDays);
  const std::string ofIndividual = " of " + individualItem(record.position);
  std::string item;  // named once a stage, not for every value read, in the same room
  int age = 0;
  for (int j = 1; j <= numStages; ++j) {
    item.assign("the daily values of stage ").append(std::to_string(j)).append(ofIndividual);
    const double duration = record.duration[j];
    const double d = std::fabs(duration);
    bool closed = false;
    for (int k = 1; k <= d + 1; ++k) {
      const double value = fields.number(item, limits::MaxDailyValue, limitText);
      record.lastValue = value;
      rules.valueRead(record, ValueRead{j, k, duration, age, value});
      if (value == -1) {
        record.maxAgeAtClose = std::max<double>(record.maxAgeAtClose, age);
        for (int m = 1; m <= d - k + 1; ++m) advanceAge(fields, record.position, j, age);
        closed = true;
        break;
      }
      record.days.push_back(DayRead{age, j, value});
      advanceAge(fields, record.position, j, age);
    }
    // A stage read to its full d+1 values counts; a death stage without its
    // -1 does not, and the walk goes on with the next stage.
    if (!closed && duration >= 0) record.maxAgeAtClose = std::max<double>(record.maxAgeAtClose, age);
    if (closed && duration < 0) break;
  }
  record.finalAge = age;
}

}  // namespace

bool isSexLetter(const std::string& letter) { return letter == "F" || letter == "M" || letter == "N"; }

std::string individualItem(long individual) { return "individual no." + std::to_string(individual); }

IndividualRecord readIndividualRecord(DataFields& fields, int position, int numStages,
                                      RecordRules& rules) {
  IndividualRecord record;
  record.position = position;
  static const std::string serialLimitText =
      "it must be a whole number up to " + std::to_string(limits::MaxSerialNumber);
  const std::string individual = individualItem(position);
  record.serialNo = fields.whole("the serial number of " + individual, -limits::MaxSerialNumber - 1,
                                 limits::MaxSerialNumber, serialLimitText);
  record.sex = fields.text("the sex of " + individual);
  rules.serialAndSex(record);
  readDurations(fields, record, numStages, rules);
  readDailyValues(fields, record, numStages, rules);
  return record;
}

int consumptionColumn(const IndividualRecord& record, int stage, int numStages) {
  const bool survives = record.duration[stage] >= 0;
  return (record.sex == "M" && stage >= numStages && survives) ? numStages + 1 : stage;
}

}  // namespace vorelan
