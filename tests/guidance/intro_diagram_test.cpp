// The diagram of twenty individuals agrees with the explanation beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>

#include "guidance/intro_diagram.h"
#include "guidance/introduction_texts.h"

namespace vorelan {
namespace {

const DiagramIndividual& individual(int number) { return introDiagram()[static_cast<std::size_t>(number - 1)]; }

TEST(IntroDiagram, TwentyIndividualsNumberedInOrderEachTwoDaysAnEgg) {
  ASSERT_EQ(introDiagram().size(), 20u);
  for (int n = 1; n <= 20; ++n) {
    EXPECT_EQ(individual(n).number, n);
    EXPECT_EQ(individual(n).days[0], 2) << "individual " << n;
  }
}

TEST(IntroDiagram, EachRecordIsWholeAndConsistent) {
  for (const DiagramIndividual& row : introDiagram()) {
    SCOPED_TRACE(row.number);
    // Life ends at the first negative duration, and nothing follows it.
    std::size_t stages = 0;
    while (stages < 4 && row.days[stages] > 0) ++stages;
    const bool died = stages < 4;
    if (died) {
      EXPECT_LT(row.days[stages], 0);
      for (std::size_t j = stages + 1; j < 4; ++j) EXPECT_EQ(row.days[j], 0);
    }
    EXPECT_EQ(row.sex == 'N', died) << "only an individual that died before the adult stage has no sex";
    const int lifeDays = std::accumulate(row.days.begin(), row.days.end(), 0,
                                         [](int sum, int d) { return sum + std::abs(d); });
    EXPECT_EQ(static_cast<int>(row.dailyConsumption().size()), lifeDays);
    EXPECT_EQ(static_cast<int>(row.larvalConsumption.size()), std::abs(row.days[1]));
    EXPECT_EQ(static_cast<int>(row.adultConsumption.size()), std::abs(row.days[3]));
  }
}

TEST(IntroDiagram, TheExplanationDescribesItsRows) {
  const std::string text = diagramExplanation();
  const DiagramIndividual& first = individual(1);
  EXPECT_EQ(first.sex, 'M');
  EXPECT_EQ(first.days, (std::array<int, 4>{2, 5, 6, 2}));
  EXPECT_EQ(first.dailyConsumption().size(), 15u);
  EXPECT_NE(text.find("Individual no. 1 is male"), std::string::npos);
  EXPECT_NE(text.find("is 2, 5, 6 and 2 days"), std::string::npos);
  EXPECT_NE(text.find("There are 15 consumption data (the white box) " + first.consumptionBox() + "."),
            std::string::npos);
  EXPECT_EQ(first.consumptionBox(), "0, 0, 1, 4,......, 4, 2");
  EXPECT_EQ(individual(2).consumptionBox(), "0, 0, 2, 5,......, 4, 4");
  // Died after 3 days as a pupa, and after 5 days as a larva.
  EXPECT_EQ(individual(19).days, (std::array<int, 4>{2, 5, -3, 0}));
  EXPECT_EQ(individual(20).days, (std::array<int, 4>{2, -5, 0, 0}));
}

TEST(IntroDiagram, TheJoinsWithoutATrailingBlankGetOne) {
  const std::string text = diagramExplanation();
  EXPECT_NE(text.find("The variable developmental rate results"), std::string::npos);
  EXPECT_NE(text.find("Individual no. 20 died after 5 days in the larval stage."), std::string::npos);
  EXPECT_EQ(text.find("  Individual no. 1 "), std::string::npos);
  EXPECT_NE(text.find("overlapping of insect life history. Individual no. 1"), std::string::npos);
}

TEST(IntroDiagram, AShortRecordShowsAllItsValues) {
  const DiagramIndividual shortLived{1, 'N', {2, -2, 0, 0}, {3, 1}, {}};
  EXPECT_EQ(shortLived.consumptionBox(), "0, 0, 3, 1");
}

}  // namespace
}  // namespace vorelan
