#include "predation/sasd_file.h"

#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "datafile/data_file_error.h"
#include "datafile/field_reader.h"
#include "datafile/file_bytes.h"
#include "lifetable/life01.h"
#include "predation/stable_predation_rate.h"

namespace vorelan {
namespace {

// Thrown inside the reader at the first fault; the file is then refused whole.
struct Refused {
  std::string problem;
};

std::string num(double value) { return messageNumber(value); }

// Typed fields of the distribution file; a missing or unreadable field refuses it.
class SasdFields {
 public:
  explicit SasdFields(FieldReader& reader) : reader_(reader) {}

  Field field(const std::string& item) {
    auto next = reader_.next();
    if (!next) throw Refused{"The file ends before " + item + "."};
    if (next->unterminated) throw Refused{"The file ends inside the quoted text of " + item + "."};
    return *next;
  }
  void skip(const std::string& item) { field(item); }
  std::string text(const std::string& item) { return field(item).text; }
  double number(const std::string& item) {
    const Field f = field(item);
    const auto value = parseNumber(f.text);
    if (!value) throw Refused{"In " + item + ", \"" + shownInMessage(f.text) + "\" is not a number."};
    return *value;
  }
  // A share of the population of size 1 that a stable distribution describes.
  double proportion(const std::string& item) {
    const double value = number(item);
    if (!(0 <= value && value <= 1)) {
      throw Refused{"In " + item + ", " + num(value) +
                    " is outside 0 to 1: the distribution gives each age and stage its share of a population of 1."};
    }
    return value;
  }
  double whole(const std::string& item, double min, double max) {
    const Field f = field(item);
    const auto value = parseNumber(f.text);
    if (!value || *value != std::floor(*value)) {
      throw Refused{"In " + item + ", \"" + shownInMessage(f.text) + "\" is not a whole number."};
    }
    if (*value < min || *value > max) {
      throw Refused{"In " + item + ", " + num(*value) + " is outside " + num(min) + " to " + num(max) + "."};
    }
    return *value;
  }

 private:
  FieldReader& reader_;
};

int stageColumns(const AnalysisState& state) { return state.header.NumStages + 1; }

std::string cellItem(int x, int j) {
  return "a(x,j) of age index " + std::to_string(x) + " and stage column " + std::to_string(j);
}

// "In Row": stage by stage, each over its own ages; a stage whose last age is
// below its first takes no values.
void readDistributionByStage(SasdFields& fields, const AnalysisState& state, Array2<double>& a) {
  const Array2<double>& range = state.matrices.StageAgeRange;
  for (int j = 1; j <= stageColumns(state); ++j) {
    const int first = static_cast<int>(std::nearbyint(range(j, 1)));
    const int last = static_cast<int>(std::nearbyint(range(j, 2)));
    for (int x = first; x <= last; ++x) a(x, j) = fields.proportion(cellItem(x, j));
  }
}

// Any other word: age by age over 0..MaxAge, one value per stage column.
void readDistributionByAge(SasdFields& fields, const AnalysisState& state, Array2<double>& a) {
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= stageColumns(state); ++j) a(x, j) = fields.proportion(cellItem(x, j));
  }
}

OvipositionRecord readRecord(SasdFields& fields, int r) {
  const std::string of = " of oviposition record " + std::to_string(r);
  OvipositionRecord record;
  // The number is rounded to the individual it names, half to even.
  const double individual = fields.number("the individual number" + of);
  record.individual = std::fabs(individual) < 1e9 ? static_cast<int>(std::nearbyint(individual))
                                                  : std::numeric_limits<int>::max();
  record.sex = fields.text("the sex" + of);
  record.longevity = fields.number("the age at death" + of);
  record.fecundity = fields.number("the fecundity" + of);
  record.firstOviAge = fields.number("the age at first oviposition" + of);
  record.lastOviAge = fields.number("the age at last oviposition" + of);
  record.postP = fields.number("the post-oviposition period" + of);
  return record;
}

SasdFileContents readFields(SasdFields& fields, const AnalysisState& state) {
  SasdFileContents file;
  for (int i = 1; i <= 5; ++i) fields.skip("the heading field " + std::to_string(i));
  file.lambda = fields.number("the finite rate of increase (lambda)");
  file.layout = fields.text("the layout word");
  fields.skip("the heading before a(x,j)");
  // The layout word is compared exactly: "in row" is the other layout.
  if (file.layout == SasdLayoutInRow) {
    readDistributionByStage(fields, state, file.distribution);
  } else {
    readDistributionByAge(fields, state, file.distribution);
  }
  fields.skip("the heading before the sample size");
  file.sampleSize = static_cast<std::int32_t>(fields.whole("the sample size", 0, 2147483647));
  fields.skip("the heading before the number of records");
  file.recordCount = static_cast<std::int16_t>(fields.whole("the number of oviposition records", 0, 32767));
  fields.skip("the heading before the records");
  for (int r = 1; r <= file.recordCount; ++r) file.records.push_back(readRecord(fields, r));
  return file;
}

std::string recordName(int r, const OvipositionRecord& record) {
  return "Oviposition record " + std::to_string(r) + " (individual no. " + std::to_string(record.individual) + ")";
}

void checkRecord(const AnalysisState& state, int r, const OvipositionRecord& record) {
  const double life = lifeInTimeUnits(state.cohort, record.individual, state.header.NumStages);
  if (record.longevity > life) {
    throw Refused{recordName(r, record) + " gives the age at death " + num(record.longevity) + ", above the " +
                  num(life) + " time units of that individual's life in the data file."};
  }
  if (!isReproductiveFemale(record.sex, record.fecundity)) return;
  const bool inOrder = 0 <= record.firstOviAge && record.firstOviAge <= record.lastOviAge &&
                       record.lastOviAge < record.longevity;
  if (!inOrder) {
    throw Refused{recordName(r, record) + " is a reproductive female whose ages are out of order: first oviposition " +
                  num(record.firstOviAge) + ", last oviposition " + num(record.lastOviAge) + ", death " +
                  num(record.longevity) + ". They must satisfy 0 <= first <= last < death."};
  }
}

// The file against the cohort it is meant for.
void checkContents(const SasdFileContents& file, const AnalysisState& state) {
  const int n = state.header.NumIndividuals;
  if (!(file.lambda > 0)) {
    throw Refused{"The finite rate of increase (lambda) is " + num(file.lambda) + "; it must be above 0."};
  }
  if (file.sampleSize != n) {
    throw Refused{"The sample size in the file is " + num(file.sampleSize) + ", but the cohort of the data file has " +
                  num(n) + " individuals: the file does not belong to this data file."};
  }
  // Shares of 1 keep psi within the cohort's consumption; lambda may still
  // be too large for omega = lambda * psi to be formed.
  const double psi =
      StablePredationRate(file.distribution, state.matrices.Cxj, state.stageStats.MaxAge, stageColumns(state));
  if (!std::isfinite(file.lambda * psi)) {
    throw Refused{"The finite rate of increase (lambda) is " + num(file.lambda) +
                  ": the finite predation rate, lambda times psi (" + num(psi) + "), is too large to be formed."};
  }
  std::map<int, int> recordOfIndividual;
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    const OvipositionRecord& record = file.records[i];
    if (record.individual < 1 || record.individual > n) {
      throw Refused{"Oviposition record " + std::to_string(r) + " gives an individual number outside 1 to " +
                    num(n) + "."};
    }
    const auto [earlier, isNew] = recordOfIndividual.emplace(record.individual, r);
    if (!isNew) {
      throw Refused{"Oviposition records " + std::to_string(earlier->second) + " and " + std::to_string(r) +
                    " both give individual no. " + std::to_string(record.individual) + "."};
    }
    checkRecord(state, r, record);
  }
}

SasdFileRead readAndCheck(FieldReader& reader, const AnalysisState& state) {
  try {
    SasdFields fields(reader);
    SasdFileContents file = readFields(fields, state);
    checkContents(file, state);
    return file;
  } catch (const Refused& refused) {
    return SasdRefusal{refused.problem};
  }
}

}  // namespace

SasdFileRead parseSasdFile(const std::string& content, const AnalysisState& state) {
  FieldReader reader(content);
  return readAndCheck(reader, state);
}

SasdFileRead readSasdFile(const std::string& path, const AnalysisState& state) {
  FileBytesRead content = readFileBytesWithCause(path);
  if (!content.bytes) return SasdRefusal{"The file cannot be opened: " + unreadableReason(content.error) + "."};
  FieldReader reader(std::move(*content.bytes));
  return readAndCheck(reader, state);
}

}  // namespace vorelan
