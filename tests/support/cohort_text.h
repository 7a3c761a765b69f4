#pragma once
// Builds the text of a small raw data file for tests.
#include <string>
#include <vector>

namespace vorelan::testing {

// Header with sex lines F, M and N over the given stage names (the last is
// the adult stage), the span over stages 2 and 3 (or 1 and 2 for two stages),
// followed by the records, one a line.
inline std::string cohortFile(const std::vector<std::string>& stages,
                              const std::vector<std::string>& records, int numSexes = 3) {
  std::string text = "Test project\r\nTester\r\n2026-01-01\r\n" + std::to_string(records.size()) +
                     "\r\n" + std::to_string(numSexes) + "," + std::to_string(stages.size()) + "\r\n";
  const char* letters[] = {"F", "M", "N"};
  for (int s = 0; s < numSexes; ++s) {
    text += letters[s];
    for (const auto& stage : stages) text += "," + stage;
    text += "\r\n";
  }
  text += stages.size() > 2 ? stages[1] + "," + stages[2] : stages[0] + "," + stages[1];
  text += "\r\n";
  for (const auto& record : records) text += record + "\r\n";
  return text;
}

}  // namespace vorelan::testing
