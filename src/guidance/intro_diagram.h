#pragma once
// The diagram of the second introduction window: raw life-history records of
// twenty individuals, the days each spent in egg, larva, pupa and adult, and
// its daily consumption.
#include <array>
#include <string>
#include <vector>

namespace vorelan {

inline constexpr std::array<const char*, 4> DiagramStages{"Egg", "Larva", "Pupa", "Adult"};

struct DiagramIndividual {
  int number;
  char sex;  // 'F', 'M', or 'N' for one that died before the adult stage
  // Days in each stage; a negative value -d: died after d days in that
  // stage, and the stages after it were never entered (0).
  std::array<int, 4> days;
  std::vector<int> larvalConsumption;  // one value a larval day
  std::vector<int> adultConsumption;   // one value an adult day

  // One value a day of its life; eggs and pupae eat nothing.
  std::vector<int> dailyConsumption() const;
  // The values as the diagram's box shows them: the first four and the
  // last two when there are more than six.
  std::string consumptionBox() const;
};

// The twenty individuals of the diagram.
const std::vector<DiagramIndividual>& introDiagram();

}  // namespace vorelan
