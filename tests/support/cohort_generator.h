#pragma once
// Valid random cohorts for property tests and benchmarks: the text of a raw
// data file that passes the data file checks, and what it holds, so that a
// test can work out its expectations independently of the code under test.
//
//   GeneratedCohort cohort = generateCohort(seed);           // 1..400 individuals
//   std::string text = cohort.fileText();                    // the data file
//   AnalysisState state; cohort.loadInto(state, platform);   // read by InputDataA
//
// Every record is valid: whole positive durations before the stage of death,
// F and M individuals reach the adult stage with a positive adult duration,
// N individuals die before it, each stage is closed by -1 after at most its d
// values (the rest of its days count 0), daily values are not negative.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "datafile/field_reader.h"
#include "datafile/raw_data_reader.h"
#include "model/analysis_state.h"
#include "support/cohort_text.h"

namespace vorelan::testing {

struct GeneratedIndividual {
  std::string sex;                               // "F", "M" or "N"
  std::vector<int> durations;                    // stages 1.. up to the stage of death (negative there)
  std::vector<std::vector<double>> stageValues;  // the values written for each stage, before its -1

  // Time units lived: the sum of the absolute durations.
  int life() const {
    int total = 0;
    for (int d : durations) total += d < 0 ? -d : d;
    return total;
  }
  // The daily consumption at every age of its life (0 for days filled in).
  std::vector<double> days() const {
    std::vector<double> out;
    for (std::size_t j = 0; j < durations.size(); ++j) {
      const int d = durations[j] < 0 ? -durations[j] : durations[j];
      for (int k = 0; k < d; ++k)
        out.push_back(k < static_cast<int>(stageValues[j].size()) ? stageValues[j][k] : 0);
    }
    return out;
  }
  double totalConsumption() const {
    double total = 0;
    for (double v : days()) total += v;
    return total;
  }
  bool reachedAdult(int numStages) const {
    return static_cast<int>(durations.size()) == numStages && durations.back() > 0;
  }
};

struct GeneratedCohort {
  int numStages = 0;
  double timeUnit = 1;
  std::vector<std::string> stageNames;
  std::vector<GeneratedIndividual> individuals;

  std::string fileText() const {
    std::vector<std::string> records;
    for (std::size_t i = 0; i < individuals.size(); ++i) {
      const GeneratedIndividual& ind = individuals[i];
      std::string record = std::to_string(i + 1) + "," + ind.sex;
      for (int d : ind.durations) record += "," + std::to_string(d);
      for (const auto& values : ind.stageValues) {
        for (double v : values) record += "," + numberText(v);
        record += ",-1";
      }
      records.push_back(record);
    }
    return cohortFile(stageNames, records);
  }

  // Reads the file text into the state as the Basic Run does, with the
  // cohort's time unit.
  void loadInto(AnalysisState& state, Platform& platform) const {
    state.run.TimeUnit = timeUnit;
    FieldReader reader(fileText());
    InputDataA(state, reader, platform);
  }

 private:
  static std::string numberText(double v) {
    std::string text = std::to_string(v);  // six decimals: exact for the tenths generated
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
  }
};

struct CohortGeneratorOptions {
  int minIndividuals = 1;
  int maxIndividuals = 400;
  int minStages = 2;
  int maxStages = 11;
  int maxLife = 404;         // time units; no life is longer
  int minStageDuration = 1;  // time units of every stage entered
  int maxStageDuration = 40;
  // 0: time unit 1 or 0.5 at random; otherwise this time unit.
  double timeUnit = 0;
};

namespace detail {

inline int uniform(std::mt19937& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

// The values of a stage of d days: all of them, fewer (the rest count 0) or none.
inline std::vector<double> stageValues(std::mt19937& rng, int d, bool eats) {
  std::vector<double> values;
  if (!eats) return values;
  const int written = uniform(rng, 0, 3) == 0 ? uniform(rng, 0, d) : d;
  for (int k = 0; k < written; ++k) {
    switch (uniform(rng, 0, 3)) {
      case 0:
        values.push_back(0);
        break;
      case 1:
        values.push_back(uniform(rng, 1, 30));
        break;
      default:
        values.push_back(uniform(rng, 1, 99) / 10.0);
        break;  // tenths, as small units give
    }
  }
  return values;
}

// Turns one individual into an unsexed one that dies in a pre-adult stage
// after living longer than any other individual (within the limit).
inline void outliveEveryone(std::mt19937& rng, GeneratedCohort& cohort, int maxLife, bool eats) {
  int longest = 0;
  for (const auto& ind : cohort.individuals) longest = std::max(longest, ind.life());
  GeneratedIndividual& chosen =
      cohort.individuals[uniform(rng, 0, static_cast<int>(cohort.individuals.size()) - 1)];
  const int deathStage = uniform(rng, 1, cohort.numStages - 1);
  chosen.sex = "N";
  const int kept = std::min(deathStage, static_cast<int>(chosen.durations.size()));
  chosen.durations.resize(deathStage);
  chosen.stageValues.resize(deathStage);
  for (int j = 0; j < deathStage - 1; ++j) {
    // Stages it now completes: whole positive durations; a stage it had not
    // reached lasts one time unit.
    if (j < kept) {
      chosen.durations[j] = std::abs(chosen.durations[j]);
    } else {
      chosen.durations[j] = 1;
      chosen.stageValues[j] = stageValues(rng, 1, eats);
    }
  }
  int before = 0;
  for (int j = 0; j < deathStage - 1; ++j) before += chosen.durations[j];
  const int life = std::min(maxLife, longest + uniform(rng, 1, 10));
  const int d = std::max(1, life - before);
  chosen.durations[deathStage - 1] = -d;
  chosen.stageValues[deathStage - 1] = stageValues(rng, d, eats);
}

}  // namespace detail

// A valid cohort of all three sexes with deaths in every pre-adult stage;
// in about one cohort of four an unsexed individual lives longest.
inline GeneratedCohort generateCohort(std::uint32_t seed, const CohortGeneratorOptions& options = {}) {
  std::mt19937 rng(seed);
  GeneratedCohort cohort;
  cohort.numStages = detail::uniform(rng, options.minStages, options.maxStages);
  cohort.timeUnit = options.timeUnit != 0 ? options.timeUnit : (detail::uniform(rng, 0, 1) == 0 ? 1 : 0.5);
  for (int j = 1; j < cohort.numStages; ++j) cohort.stageNames.push_back("Stage" + std::to_string(j));
  cohort.stageNames.push_back("Adult");

  const int k = cohort.numStages;
  // Stage lengths so that no life exceeds the limit.
  const int maxDuration = std::max(1, std::min(options.maxStageDuration, options.maxLife / k));
  const int minDuration = std::clamp(options.minStageDuration, 1, maxDuration);
  const int n = detail::uniform(rng, options.minIndividuals, options.maxIndividuals);
  const bool nobodyEats = detail::uniform(rng, 0, 9) == 0;
  for (int i = 0; i < n; ++i) {
    GeneratedIndividual ind;
    const int kind = detail::uniform(rng, 0, 2);
    ind.sex = kind == 0 ? "F" : kind == 1 ? "M" : "N";
    const int deathStage = ind.sex == "N" ? detail::uniform(rng, 1, k - 1) : k;
    const bool eats = !nobodyEats && detail::uniform(rng, 0, 7) != 0;
    for (int j = 1; j <= deathStage; ++j) {
      const int d = detail::uniform(rng, minDuration, maxDuration);
      ind.durations.push_back(ind.sex == "N" && j == deathStage ? -d : d);
      ind.stageValues.push_back(detail::stageValues(rng, d, eats));
    }
    cohort.individuals.push_back(std::move(ind));
  }
  // Now and then an unsexed individual outlives every adult of the cohort.
  if (detail::uniform(rng, 0, 3) == 0) detail::outliveEveryone(rng, cohort, options.maxLife, !nobodyEats);
  return cohort;
}

// The cohort of the benchmarks: 400 individuals, 11 stages of 36 time units
// each, so that adults live 396 time units.
inline GeneratedCohort cohortAtTheLimits() {
  CohortGeneratorOptions options;
  options.minIndividuals = options.maxIndividuals = 400;
  options.minStages = options.maxStages = 11;
  options.minStageDuration = options.maxStageDuration = 36;
  options.timeUnit = 1;
  return generateCohort(2026, options);
}

}  // namespace vorelan::testing
