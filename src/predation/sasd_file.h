#pragma once
// The stable age-stage distribution file that the sibling life-table program
// writes for a cohort: lambda, the layout word, a(x,j) and the oviposition
// records. The file is read whole into a value of its own and checked against
// the present cohort; the analysis state is not touched until it has passed.
//
// Fields, in order: five skipped; lambda; the layout word; one skipped; the
// a(x,j) values ("In Row": stage by stage over each stage's ages; any other
// word: age by age over 0..MaxAge, one value per stage column); one skipped,
// the sample size; one skipped, the number of records R; one skipped; R
// records of seven fields (individual number, sex, age at death, fecundity,
// age at first and at last oviposition, post-oviposition period).
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/analysis_state.h"

namespace vorelan {

inline constexpr const char* SasdLayoutInRow = "In Row";

struct OvipositionRecord {
  int individual = 0;  // the individual number, rounded to a whole number
  std::string sex;
  double longevity = 0;  // age at death
  double fecundity = 0;
  double firstOviAge = 0;  // TPOP
  double lastOviAge = 0;
  double postP = 0;
};

struct SasdFileContents {
  double lambda = 0;
  std::string layout;
  Array2<double> distribution{PredationState::Ages, PredationState::Stages};  // 0 where not given
  std::int32_t sampleSize = 0;
  std::int16_t recordCount = 0;
  std::vector<OvipositionRecord> records;
};

// Why a file was refused: a sentence naming the field or record and what is wrong.
struct SasdRefusal {
  std::string problem;
};

using SasdFileRead = std::variant<SasdFileContents, SasdRefusal>;

// Reads the file text against the cohort of the Basic Run (its N, MaxAge,
// stages and their age ranges, and each individual's life), then checks it:
// each a(x,j) a share from 0 to 1, lambda above 0 and small enough for omega
// to be formed, the sample size N, and the oviposition records.
SasdFileRead parseSasdFile(const std::string& content, const AnalysisState& state);

// The same for the file at `path`; a file that cannot be opened is refused.
SasdFileRead readSasdFile(const std::string& path, const AnalysisState& state);

// A reproductive female: the record says "F" and gives a fecundity other than
// 0. The one rule for the statistics and for the rows of the result file.
inline bool isReproductiveFemale(const std::string& sex, double fecundity) {
  return sex == "F" && fecundity != 0;
}

}  // namespace vorelan
