#include "cohort/raw_data_reader.h"

#include <cmath>
#include <string>

#include "cohort/data_file_error.h"
#include "model/limits.h"

namespace vorelan {
namespace {

bool isSexLetter(const std::string& letter) { return letter == "F" || letter == "M" || letter == "N"; }

// The durations of record i, up to the first negative one or stage K.
void readDurations(DataFields& fields, CohortRecords& cohort, int i, int numStages) {
  double life = 0;
  for (int j = 1; j <= numStages; ++j) {
    if (cohort.Sex(i) == "N" && j == numStages) failDataFile(fields.platform(), recordErrorLine(i));
    const double d = fields.number("the duration of stage " + std::to_string(j) + " of " +
                                   individualItem(i));
    cohort.StageDuration(i, j) = d;
    life += std::fabs(d);
    if (d < 0) break;
  }
  if (life > limits::MaxLifeTimeUnits) {
    failDataFile(fields.platform(), "The stage durations of " + individualItem(i) + " add up to " +
                                        messageNumber(life) + " time units; a life can last at most " +
                                        std::to_string(limits::MaxLifeTimeUnits) + ".");
  }
}

// Moves the running age on by one time unit, refusing a life beyond the limit.
void advanceAge(DataFields& fields, CohortRecords& cohort, int i) {
  if (cohort.AgeCounter >= limits::MaxLifeTimeUnits) {
    failDataFile(fields.platform(), "The daily values of " + individualItem(i) + " run beyond " +
                                        std::to_string(limits::MaxLifeTimeUnits) + " time units.");
  }
  ++cohort.AgeCounter;
}

// The daily values of record i, stage by stage, each stage closed by -1 or
// read to its d+1 values.
void readDailyValues(DataFields& fields, AnalysisState& state, int i) {
  CohortRecords& cohort = state.cohort;
  const int numStages = state.header.NumStages;
  cohort.AgeCounter = 0;
  for (int j = 1; j <= numStages; ++j) {
    const double duration = cohort.StageDuration(i, j);
    const double d = std::fabs(duration);
    const bool diesHere = duration < 0;
    // A male's values in a surviving adult stage go to the male adult column.
    const int column = (cohort.Sex(i) == "M" && j >= numStages && !diesHere) ? numStages + 1 : j;
    bool closed = false;
    for (double k = 1; k <= d + 1; ++k) {
      cohort.InputValue = fields.number("the daily values of " + individualItem(i));
      if (cohort.InputValue == -1) {
        state.header.MaxAgeRead = std::max<double>(state.header.MaxAgeRead, cohort.AgeCounter);
        for (double m = 1; m <= d - k + 1; ++m) {
          const int age = cohort.AgeCounter;
          advanceAge(fields, cohort, i);
          cohort.DailyConsumption(i, age) = 0;
        }
        closed = true;
        break;
      }
      const int age = cohort.AgeCounter;
      advanceAge(fields, cohort, i);
      cohort.DailyConsumption(i, age) = cohort.InputValue;
      cohort.StageConsumption(i, j) += cohort.InputValue;
      cohort.Txj(age, column) += cohort.InputValue;
    }
    if (!closed) state.header.MaxAgeRead = std::max<double>(state.header.MaxAgeRead, cohort.AgeCounter);
    if (closed && diesHere) break;
  }
  cohort.DailyConsumption(i, cohort.AgeCounter + 1) = -1;
}

}  // namespace

std::string individualItem(long individual) { return "individual no." + std::to_string(individual); }

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

FieldReader openDataFile(const std::string& path, Platform& platform) {
  auto reader = FieldReader::fromFile(path);
  if (!reader) failDataFile(platform, "The data file " + path + " cannot be opened.");
  return std::move(*reader);
}

void InputData(AnalysisState& state, Platform& platform) {
  FieldReader reader = openDataFile(state.report.DataFileName, platform);
  InputDataA(state, reader, platform);
}

void InputDataA(AnalysisState& state, FieldReader& reader, Platform& platform) {
  DataFields fields(reader, platform);
  readCohortHeader(fields, state.header);
  const int n = state.header.NumIndividuals;
  CohortRecords& cohort = state.cohort;
  cohort.resizeFor(n);
  for (int i = 1; i <= n; ++i) {
    const long serial = fields.whole("the serial number of " + individualItem(i),
                                     -limits::MaxSerialNumber - 1, limits::MaxSerialNumber,
                                     "it must be a whole number up to " +
                                         std::to_string(limits::MaxSerialNumber));
    cohort.SerialNo(i) = static_cast<std::int16_t>(serial);
    cohort.Sex(i) = fields.text("the sex of " + individualItem(i));
    if (serial != i || !isSexLetter(cohort.Sex(i))) failDataFile(platform, recordErrorLine(i));
    readDurations(fields, cohort, i, state.header.NumStages);
    readDailyValues(fields, state, i);
  }
}

}  // namespace vorelan
