// The wide per-individual tables of a cohort with 11 stages and long lives:
// stage tables in two column chunks, the daily table in pages of ages.
#include "report/individual_table_chunks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/basic_report_session.h"
#include "support/cohort_text.h"

namespace vorelan {
namespace {

using testing::BasicReportSession;
using testing::findLine;
using testing::reportLines;

TEST(IndividualTableChunks, SplitInTwoBeyondElevenColumns) {
  struct Case {
    int stages;
    std::vector<std::pair<int, int>> chunks;
  };
  const std::vector<Case> cases = {
      {2, {{1, 4}}}, {9, {{1, 11}}}, {10, {{1, 6}, {7, 12}}}, {11, {{1, 6}, {7, 13}}}};
  for (const Case& c : cases) {
    const auto chunks = individualTableChunks(c.stages);
    ASSERT_EQ(chunks.size(), c.chunks.size()) << c.stages << " stages";
    for (std::size_t k = 0; k < chunks.size(); ++k) {
      EXPECT_EQ(chunks[k].first, c.chunks[k].first) << c.stages << " stages";
      EXPECT_EQ(chunks[k].last, c.chunks[k].second) << c.stages << " stages";
    }
  }
}

class ElevenStageReport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::vector<std::string> stages = {"Egg", "L1", "L2", "L3", "L4",   "L5",
                                             "L6",  "L7", "L8", "L9", "Adult"};
    // A female of 40 time units whose values run to her last day, a male of
    // 24, an immature dead in stage 5.
    session = new BasicReportSession(
        testing::cohortFile(stages,
                            {"1,F,3,3,3,3,3,3,3,3,3,3,10,-1,1,1,1,-1,-1,-1,-1,-1,-1,-1,-1,-1,2,0,0,"
                             "0,0,0,0,0,0,0,-1",
                             "2,M,2,2,2,2,2,2,2,2,2,2,4,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,3,3,-1",
                             "3,N,1,1,1,1,-3,-1,-1,-1,-1,5,-1"}),
        "1");
    lines = reportLines(session->report);
  }
  static void TearDownTestSuite() { delete session; }

  // Index of a line that must be in the report.
  static std::size_t at(const std::string& line, std::size_t from = 0) {
    const std::size_t index = findLine(lines, line, from);
    EXPECT_LT(index, lines.size()) << "missing: " << line;
    return index;
  }
  static long count(const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  }

  static BasicReportSession* session;
  static std::vector<std::string> lines;
};
BasicReportSession* ElevenStageReport::session = nullptr;
std::vector<std::string> ElevenStageReport::lines;

TEST_F(ElevenStageReport, StageDurationInTwoChunksUnderOneTableNumber) {
  const std::size_t title = at("    Table 1. Stage duration of each individual");
  // First chunk: six stage columns, rules 6 x 10 + 6 wide.
  EXPECT_EQ(lines[title + 1], "    " + std::string(66, '='));
  EXPECT_EQ(lines[title + 2], "    Indiv. Sex    Egg      L1       L2       L3       L4       L5 ");
  EXPECT_EQ(lines[title + 3], "    " + std::string(66, '-'));
  EXPECT_EQ(lines[title + 6], "     3      N      1        1        1        1        3 d      - ");
  const std::size_t dead = at("    d - dead.", title);
  EXPECT_EQ(lines[dead + 1], " ");
  EXPECT_EQ(lines[dead + 3], " ");
  // Second chunk: the other stages, the adult, pre-adult and longevity columns.
  ASSERT_EQ(lines[dead + 4], "    Table 1. (Continued)");
  EXPECT_EQ(lines[dead + 5], "    " + std::string(80, '='));
  EXPECT_EQ(lines[dead + 6],
            "    Indiv. Sex    L6       L7       L8       L9        Adult  Preadult    Longevity ");
  EXPECT_EQ(
      lines[dead + 8],
      "     1      F      3        3        3        3        10          30            40  ");
  EXPECT_EQ(lines[dead + 10],
            "     3      N      -        -        -        -        -           -             7  ");
  const std::size_t secondDead = at("    d - dead.", dead + 1);
  EXPECT_EQ(lines[secondDead + 1], "    Max. longevity of male adult = 4 ");
  EXPECT_EQ(lines[secondDead + 2], "    Max. longevity of female adult = 10 ");
  EXPECT_EQ(count("    Max. longevity of male adult = 4 "), 1);
}

TEST_F(ElevenStageReport, StageConsumptionKeepsThePreadultSumInTheSecondChunk) {
  const std::size_t title = at("    Table 2. Stage consumption rate of each individual");
  EXPECT_EQ(lines[title + 1], "    " + std::string(77, '='));
  const std::size_t continued = at("    Table 2. (Continued)", title);
  EXPECT_EQ(lines[continued + 1], "    " + std::string(87, '='));
  EXPECT_EQ(
      lines[continued + 2],
      "    Indiv.  Sex     L6        L7        L8        L9        Adult      Preadult    Total ");
  EXPECT_EQ(
      lines[continued + 4],
      "     1       F      0         0         0         0         2           3          5  ");
}

TEST_F(ElevenStageReport, DailyConsumptionInPagesOfAges) {
  // Ages 0-8, 9-21, 22-34, then 35-39 and the total: four pages, one table number.
  const std::size_t title = at("    Table 3. Daily consumption rate of each individual");
  EXPECT_EQ(lines[title + 1], "    " + std::string(89, '='));
  EXPECT_EQ(count("    Table 3. (Continued)"), 3);
  std::size_t page = title;
  for (int continued = 0; continued < 3; ++continued)
    page = at("    Table 3. (Continued)", page + 1);
  EXPECT_EQ(lines[page - 5], "\b");
  EXPECT_EQ(lines[page - 4], std::string(69, ' ') + "Page 6 ");
  EXPECT_EQ(lines[page + 1], "    " + std::string(62, '='));
  EXPECT_EQ(lines[page + 2], "    Indiv.                        Age interval");
  EXPECT_EQ(lines[page + 3], "     no.     35-<36   36-<37   37-<38   38-<39   39-<40    Total ");
  EXPECT_EQ(lines[page + 5], "     1        0        0        0        0        0        5  ");
  EXPECT_EQ(lines[page + 6], "     2        -        -        -        -        -        6  ");
  // A middle page holds 13 ages.
  const std::size_t second = at("    Table 3. (Continued)", title);
  EXPECT_EQ(lines[second + 1], "    " + std::string(13 * 9 + 8, '='));
  EXPECT_EQ(lines[second + 2], "    Indiv." + std::string(52, ' ') + "Age interval");
  EXPECT_EQ(count("    d - dead."), 2 + 2 + 4);
  EXPECT_EQ(count("    Maximum consumption rate = 6 "), 1);
}

}  // namespace
}  // namespace vorelan
