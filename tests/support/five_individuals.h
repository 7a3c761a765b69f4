#pragma once
// What each record of tests/fixtures/five_individuals.txt holds, worked out
// by hand from its fields (K = 4: Egg, Larva, Pupa, adult; male adults in
// column 5 of T(x,j)).
#include <array>
#include <string>
#include <vector>

namespace vorelan::testing {

struct TxjCell {
  int age;
  int column;
  double value;
};

struct HandRecord {
  int serial;
  std::string sex;
  std::array<double, 5> duration;          // stages 1..4; 0 after the death stage
  std::vector<double> days;                // ages 0..A-1, days filled in as 0
  std::array<double, 5> stageConsumption;  // stages 1..4
  std::vector<TxjCell> txj;                // every value read, at its age and column
  double maxAgeAtClose;
};

// Record 1: egg a lone -1; larva 4, 5, -1; pupa -1; adult 6, 7, 8, -1.
// Record 2: the male's adult value 9 goes to column 5.
// Record 3: dies as larva after 2 units, 2 and 2 then -1.
// Record 4: the longest life, its last -1 at age 11.
// Record 5: dies as pupa after 1 unit, a lone -1.
inline const std::vector<HandRecord> FiveIndividuals = {
    {1, "F", {0, 1, 2, 1, 3}, {0, 4, 5, 0, 6, 7, 8}, {0, 0, 9, 0, 21},
     {{1, 2, 4}, {2, 2, 5}, {4, 4, 6}, {5, 4, 7}, {6, 4, 8}}, 7},
    {2, "M", {0, 2, 2, 1, 2}, {0, 0, 3, 0, 0, 9, 0}, {0, 0, 3, 0, 9}, {{2, 2, 3}, {5, 5, 9}}, 6},
    {3, "N", {0, 1, -2, 0, 0}, {0, 2, 2}, {0, 0, 4, 0, 0}, {{1, 2, 2}, {2, 2, 2}}, 3},
    {4, "F", {0, 1, 3, 2, 5}, {0, 1, 1, 1, 0, 0, 2, 2, 2, 2, 2}, {0, 0, 3, 0, 10},
     {{1, 2, 1}, {2, 2, 1}, {3, 2, 1}, {6, 4, 2}, {7, 4, 2}, {8, 4, 2}, {9, 4, 2}, {10, 4, 2}}, 11},
    {5, "N", {0, 2, 2, -1, 0}, {0, 0, 4, 4, 0}, {0, 0, 8, 0, 0}, {{2, 2, 4}, {3, 2, 4}}, 4},
};

}  // namespace vorelan::testing
