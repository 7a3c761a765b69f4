#include "guidance/intro_diagram.h"

#include <cstdlib>

namespace vorelan {

std::vector<int> DiagramIndividual::dailyConsumption() const {
  std::vector<int> values;
  const auto fasting = [&values](int days) { values.insert(values.end(), static_cast<std::size_t>(days), 0); };
  const auto feeding = [&values](const std::vector<int>& eaten) {
    values.insert(values.end(), eaten.begin(), eaten.end());
  };
  fasting(std::abs(days[0]));
  feeding(larvalConsumption);
  fasting(std::abs(days[2]));
  feeding(adultConsumption);
  return values;
}

std::string DiagramIndividual::consumptionBox() const {
  const std::vector<int> values = dailyConsumption();
  const auto item = [&values](std::size_t i) { return std::to_string(values[i]); };
  std::string box;
  if (values.size() <= 6) {
    for (std::size_t i = 0; i < values.size(); ++i) box += (i ? ", " : "") + item(i);
    return box;
  }
  const std::size_t n = values.size();
  return item(0) + ", " + item(1) + ", " + item(2) + ", " + item(3) + ",......, " + item(n - 2) + ", " +
         item(n - 1);
}

const std::vector<DiagramIndividual>& introDiagram() {
  static const std::vector<DiagramIndividual> rows{
      {1, 'M', {2, 5, 6, 2}, {1, 4, 5, 6, 4}, {4, 2}},
      {2, 'F', {2, 4, 6, 5}, {2, 5, 6, 7}, {5, 6, 5, 4, 4}},
      {3, 'F', {2, 5, 5, 6}, {1, 3, 5, 6, 6}, {4, 5, 6, 5, 4, 3}},
      {4, 'M', {2, 4, 7, 3}, {2, 4, 5, 5}, {3, 4, 2}},
      {5, 'F', {2, 6, 6, 7}, {1, 2, 4, 5, 6, 6}, {5, 6, 7, 6, 5, 4, 3}},
      {6, 'F', {2, 5, 6, 4}, {2, 3, 5, 7, 6}, {6, 6, 5, 4}},
      {7, 'M', {2, 5, 5, 3}, {1, 3, 4, 5, 5}, {3, 3, 2}},
      {8, 'F', {2, 4, 5, 6}, {2, 5, 7, 7}, {5, 7, 6, 6, 4, 3}},
      {9, 'M', {2, 6, 6, 2}, {1, 2, 3, 5, 5, 4}, {3, 2}},
      {10, 'F', {2, 5, 7, 5}, {2, 4, 5, 6, 6}, {6, 7, 5, 5, 3}},
      {11, 'M', {2, 4, 6, 4}, {2, 4, 6, 5}, {4, 3, 3, 2}},
      {12, 'F', {2, 5, 6, 6}, {1, 4, 6, 7, 6}, {5, 6, 6, 5, 5, 4}},
      {13, 'F', {2, 6, 5, 5}, {1, 2, 4, 6, 6, 5}, {6, 5, 5, 4, 3}},
      {14, 'M', {2, 5, 7, 2}, {2, 3, 5, 5, 4}, {3, 3}},
      {15, 'F', {2, 4, 6, 7}, {2, 5, 6, 6}, {5, 6, 7, 6, 5, 4, 2}},
      {16, 'M', {2, 6, 6, 3}, {1, 3, 4, 5, 6, 5}, {4, 3, 2}},
      {17, 'F', {2, 5, 5, 5}, {2, 4, 5, 6, 5}, {5, 6, 5, 4, 3}},
      {18, 'M', {2, 5, 6, 3}, {1, 4, 5, 5, 4}, {4, 3, 3}},
      {19, 'N', {2, 5, -3, 0}, {1, 3, 4, 4, 3}, {}},
      {20, 'N', {2, -5, 0, 0}, {1, 2, 2, 1, 1}, {}},
  };
  return rows;
}

}  // namespace vorelan
