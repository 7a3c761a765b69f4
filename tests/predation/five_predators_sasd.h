#pragma once
// Stable age-stage distribution files for the cohort of
// tests/fixtures/five_predators.txt (no test framework needed).
//
// Stages Larva, Pupa and the adults (columns 1 to 4: Larv, Pupa, Fema, Male),
// ages 0..7. n(x,j) by age, columns 1..4:
//   0: 5 0 0 0   1: 5 0 0 0   2: 2 3 0 0   3: 0 2 1 1
//   4: 0 0 3 1   5: 0 0 3 1   6: 0 0 3 0   7: 0 0 2 0
// 32 age-stage units in all, and 70 eaten in all. The distribution of the
// files below is a(x,j) = n(x,j) / 32, so that psi = 70 / 32 = 2.1875;
// larvae eat from age 0 (c(0,1) = 3), which gives 15/32 of it.
#include <string>
#include <vector>

namespace vorelan::testing {

inline constexpr double FivePredatorsPsi = 70.0 / 32.0;

// a(x,j) = n(x,j) / 32, one line per age 0..7 with the values of columns 1..4.
inline const std::string FivePredatorsByAge =
    "0.15625,0,0,0\r\n"
    "0.15625,0,0,0\r\n"
    "0.0625,0.09375,0,0\r\n"
    "0,0.0625,0.03125,0.03125\r\n"
    "0,0,0.09375,0.03125\r\n"
    "0,0,0.09375,0.03125\r\n"
    "0,0,0.09375,0\r\n"
    "0,0,0.0625,0\r\n";

// The same values stage by stage over each stage's ages: larvae 0..2, pupae
// 2..3, females 3..7, males 3..5.
inline const std::string FivePredatorsInRow =
    "0.15625,0.15625,0.0625\r\n"
    "0.09375,0.0625\r\n"
    "0.03125,0.09375,0.09375,0.09375,0.0625\r\n"
    "0.03125,0.03125,0.03125\r\n";

// The oviposition records: three reproductive females (lives of 8, 8 and 7
// time units), a male and an unsexed individual. The last field, the
// post-oviposition period of the file, is replaced for each female.
inline const std::vector<std::string> FivePredatorsRecords = {
    "1,\"F\",8,20,4,6,99", "2,\"F\",8,10,5,6,0", "3,\"F\",7,5,4,4,1", "4,\"M\",6,0,0,0,0",
    "5,\"N\",3,0,0,0,0"};

struct SasdFileText {
  std::string lambda = "1.5";
  std::string layout = "In Column";
  std::string values = FivePredatorsByAge;
  std::string sampleSize = "5";
  std::vector<std::string> records = FivePredatorsRecords;
  std::string recordCount;  // the number of records when empty

  std::string text() const {
    std::string t =
        "\"Stable age-stage distribution for Vorelan\"\r\n\"Five predators\"\r\n\"Observer\"\r\n"
        "\"2026-04-01\"\r\n\"Finite rate of increase\"\r\n";
    t += lambda + "\r\n\"" + layout + "\"\r\n\"a(x,j)\"\r\n" + values;
    t += "\"Sample size\"\r\n" + sampleSize + "\r\n\"Number of records\"\r\n";
    t += (recordCount.empty() ? std::to_string(records.size()) : recordCount) + "\r\n";
    t += "\"Ind.,Sex,Longevity,Fecundity,TPOP,Last oviposition,Post-oviposition\"\r\n";
    for (const std::string& record : records) t += record + "\r\n";
    return t;
  }
};

}  // namespace vorelan::testing
