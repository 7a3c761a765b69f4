// Cross-table checks of the basic report on generated cohorts: the rows of
// each sex line add up to the rows of all individuals, each individual's
// daily and stage values add up to its total, and the check sum of the
// weighting coefficients based on the matrices equals C0.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "report/basic_report_session.h"
#include "support/cohort_generator.h"

namespace vorelan {
namespace {

using testing::BasicReportSession;
using testing::reportLines;

std::vector<std::string> tokens(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string token; in >> token;) out.push_back(token);
  return out;
}

bool isRule(const std::string& line) {
  return line.size() > 5 && (line[4] == '-' || line[4] == '=') &&
         line.find_first_not_of(line[4], 4) == std::string::npos;
}

// A printed cell as a number: "-" and a lone "d" count nothing, "2.5d" is 2.5.
double cellValue(const std::string& token) {
  if (token == "-" || token == "d") return 0;
  return std::strtod(token.c_str(), nullptr);
}

std::size_t lineStartingWith(const std::vector<std::string>& lines, const std::string& start,
                             std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i].rfind(start, 0) == 0) return i;
  }
  return lines.size();
}

// The first line after the second rule that follows `title`: the first row of
// individuals (a long heading may run over several lines).
std::size_t firstRow(const std::vector<std::string>& lines, std::size_t title) {
  int rules = 0;
  std::size_t i = title + 1;
  for (; i < lines.size() && rules < 2; ++i) rules += isRule(lines[i]) ? 1 : 0;
  return i;
}

// The rows of the basic statistics table in blocks between its rules.
struct StatisticsRow {
  std::string group;
  double n;
};

std::vector<std::vector<StatisticsRow>> statisticsBlocks(const std::vector<std::string>& lines) {
  std::size_t i = lineStartingWith(lines, "    Table 13. Basic Statistics");
  i += 5;  // blank line, "=" rule, column header, "-" rule
  std::vector<std::vector<StatisticsRow>> blocks(1);
  for (; i < lines.size() && lines[i] != "\b"; ++i) {
    const std::string& line = lines[i];
    if (isRule(line)) {
      if (!blocks.back().empty()) blocks.emplace_back();
      continue;
    }
    if (line.size() < 28 || line.find("Consumption Rate") != std::string::npos) continue;
    const std::string n = line.substr(27, 8);
    blocks.back().push_back({tokens(line.substr(21, 6)).at(0), cellValue(tokens(n).at(0))});
  }
  if (blocks.back().empty()) blocks.pop_back();
  return blocks;
}

// The sex blocks `first`..`first + 2` add up, row by row, to block `all`.
void expectSexLinesAddUp(const std::vector<std::vector<StatisticsRow>>& blocks, std::size_t all,
                         std::size_t first, const std::string& what) {
  ASSERT_LT(first + 2, blocks.size()) << what;
  for (std::size_t r = 0; r < blocks[all].size(); ++r) {
    double sum = 0;
    for (std::size_t s = 0; s < 3; ++s) {
      ASSERT_EQ(blocks[first + s].size(), blocks[all].size()) << what;
      EXPECT_EQ(blocks[first + s][r].group, std::string(1, "FMN"[s])) << what;
      sum += blocks[first + s][r].n;
    }
    EXPECT_EQ(blocks[all][r].group, "All") << what;
    EXPECT_EQ(sum, blocks[all][r].n) << what << ", row " << r;
  }
}

void expectCountsAddUp(const std::vector<std::string>& lines, int numStages, int numIndividuals) {
  const auto b = statisticsBlocks(lines);
  ASSERT_EQ(b.size(), 16u);
  expectSexLinesAddUp(b, 0, 1, "stage duration");
  expectSexLinesAddUp(b, 4, 5, "cumulative duration");
  // The span: one row of all individuals, then one row per sex line.
  ASSERT_EQ(b[8].size(), 4u);
  EXPECT_EQ(b[8][1].n + b[8][2].n + b[8][3].n, b[8][0].n) << "span";
  expectSexLinesAddUp(b, 9, 10, "stage consumption");
  EXPECT_EQ(b[0].size(), static_cast<std::size_t>(numStages));
  double preadult = 0, lifetime = 0;
  for (const auto& row : b[13]) preadult += row.n;
  for (const auto& row : b[14]) lifetime += row.n;
  EXPECT_EQ(preadult, numIndividuals);
  EXPECT_EQ(lifetime, numIndividuals);
  ASSERT_EQ(b[15].size(), 1u);
  EXPECT_EQ(b[15][0].n, numIndividuals);
}

// Per individual: the sum of its printed daily values, and its total.
struct Totals {
  std::vector<double> sum;
  std::vector<double> total;
};

Totals dailyTotals(const std::vector<std::string>& lines, int n) {
  Totals t{std::vector<double>(n + 1, 0), std::vector<double>(n + 1, 0)};
  const std::size_t first = lineStartingWith(lines, "    Table 3. Daily consumption rate");
  const std::size_t end = lineStartingWith(lines, "    Maximum consumption rate =", first);
  for (std::size_t title = first; title < end;
       title = lineStartingWith(lines, "    Table 3. (Continued)", title + 1)) {
    for (std::size_t i = firstRow(lines, title); i < end && !isRule(lines[i]); ++i) {
      const auto cells = tokens(lines[i]);
      const int individual = std::atoi(cells.at(0).c_str());
      const bool lastPage = lineStartingWith(lines, "    Table 3. (Continued)", title + 1) > end;
      for (std::size_t c = 1; c < cells.size(); ++c) {
        if (lastPage && c + 1 == cells.size()) {
          t.total.at(individual) = cellValue(cells[c]);
        } else {
          t.sum.at(individual) += cellValue(cells[c]);
        }
      }
    }
  }
  return t;
}

// The stage cells (first two tokens: number and sex) and, in the last chunk,
// the pre-adult and total cells of the stage consumption table.
Totals stageTotals(const std::vector<std::string>& lines, int n) {
  Totals t{std::vector<double>(n + 1, 0), std::vector<double>(n + 1, 0)};
  const std::size_t first = lineStartingWith(lines, "    Table 2. Stage consumption rate");
  const std::size_t end = lineStartingWith(lines, "    Max. predation rate of male adult =", first);
  const std::size_t second = lineStartingWith(lines, "    Table 2. (Continued)", first);
  for (std::size_t title : {first, second}) {
    if (title >= end) continue;
    const bool lastChunk = title == second || second >= end;
    for (std::size_t i = firstRow(lines, title); i < end && !isRule(lines[i]); ++i) {
      const auto cells = tokens(lines[i]);
      const int individual = std::atoi(cells.at(0).c_str());
      const std::size_t stageCells = cells.size() - (lastChunk ? 2 : 0);
      for (std::size_t c = 2; c < stageCells; ++c) t.sum.at(individual) += cellValue(cells[c]);
      if (lastChunk) t.total.at(individual) = cellValue(cells.back());
    }
  }
  return t;
}

double printedMatrixCheckSum(const std::vector<std::string>& lines) {
  const std::string label = "    Sum[Sum[c(j)*s(x,j)]] =";
  std::size_t found = lines.size();
  for (std::size_t i = lineStartingWith(lines, label); i < lines.size();
       i = lineStartingWith(lines, label, i + 1)) {
    found = i;
  }
  EXPECT_LT(found, lines.size());
  return found < lines.size() ? cellValue(tokens(lines[found].substr(label.size())).at(0)) : 0;
}

TEST(BasicReportCrossChecks, GeneratedCohorts) {
  for (std::uint32_t seed = 1; seed <= 24; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const testing::GeneratedCohort cohort = testing::generateCohort(seed);
    BasicReportSession s(cohort.fileText(), cohort.timeUnit == 1 ? "1" : "0.5");
    ASSERT_TRUE(s.script.messages().empty()) << s.script.messages().front().text;
    const auto lines = reportLines(s.report);
    const int n = static_cast<int>(cohort.individuals.size());

    expectCountsAddUp(lines, cohort.numStages, n);

    const Totals daily = dailyTotals(lines, n);
    const Totals stages = stageTotals(lines, n);
    for (int i = 1; i <= n; ++i) {
      const double expected = cohort.individuals[i - 1].totalConsumption();
      EXPECT_NEAR(daily.sum[i], daily.total[i], 1e-6) << "daily values of individual " << i;
      EXPECT_NEAR(daily.total[i], expected, 1e-6) << "daily total of individual " << i;
      EXPECT_NEAR(stages.sum[i], stages.total[i], 1e-6) << "stage values of individual " << i;
      EXPECT_NEAR(stages.total[i], expected, 1e-6) << "stage total of individual " << i;
    }

    const AgeVectors& av = s.state.ageVectors;
    EXPECT_NEAR(av.CjCheckSumFromMatrices, av.TotalNetConsumptionRate,
                1e-9 * (1 + av.TotalNetConsumptionRate));
    EXPECT_NEAR(printedMatrixCheckSum(lines), av.TotalNetConsumptionRate, 0.5e-4 + 1e-9);
  }
}

}  // namespace
}  // namespace vorelan
