// The sayings: read from their resource text, placed in the table with the
// usage hint, and drawn with equal chance for every slot.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "guidance/program_texts.h"
#include "guidance/sayings.h"
#include "support/scripted_platform.h"

namespace vorelan {
namespace {

std::string sayingsFile() {
  std::ifstream in(VORELAN_SAYINGS_FILE, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Sayings, TheResourceHoldsFiftyThreeSayingsOfOneShortLineEach) {
  const std::vector<std::string> sayings = sayingsFromText(sayingsFile());
  ASSERT_EQ(sayings.size(), SayingCount);
  for (const std::string& saying : sayings) {
    EXPECT_LE(saying.size(), 190u) << saying;
    EXPECT_EQ(saying.find('\r'), std::string::npos);
    EXPECT_NE(saying.front(), ' ') << saying;
  }
}

TEST(Sayings, LinesAreSplitOnEitherLineEndAndBlankLinesSkipped) {
  EXPECT_EQ(sayingsFromText("One.\r\n\r\n  \nTwo.\nThree."),
            (std::vector<std::string>{"One.", "Two.", "Three."}));
  EXPECT_TRUE(sayingsFromText("").empty());
}

TEST(Sayings, TheTableEndsWithTheUsageHint) {
  const auto table = quotationTable(sayingsFromText(sayingsFile()), usageHint());
  ASSERT_EQ(table.size(), SayingCount + 1);
  EXPECT_EQ(table[53], usageHint());
}

// Draws spread evenly over [0, 1), one in the middle of each of its equal
// parts: every slot must be hit equally often,
// the first and the last included.
std::map<std::size_t, int> slotsOfEvenDraws(std::size_t slotCount, int drawsPerSlot) {
  testing::ScriptedPlatform script;
  const int total = static_cast<int>(slotCount) * drawsPerSlot;
  for (int i = 0; i < total; ++i) script.draws.push_back((static_cast<float>(i) + 0.5f) / static_cast<float>(total));
  std::map<std::size_t, int> hits;
  for (int i = 0; i < total; ++i) ++hits[drawSlot(script, slotCount)];
  return hits;
}

TEST(Sayings, EverySlotIsDrawnWithTheSameChance) {
  for (const std::size_t slots : {std::size_t{53}, std::size_t{54}}) {
    const auto hits = slotsOfEvenDraws(slots, 10);
    ASSERT_EQ(hits.size(), slots);
    for (const auto& [slot, count] : hits) EXPECT_EQ(count, 10) << "slot " << slot << " of " << slots;
  }
}

TEST(Sayings, TheLargestDrawBelowOneStaysInTheTable) {
  testing::ScriptedPlatform script;
  script.draws = {std::nextafter(1.0f, 0.0f), 0.0f};
  EXPECT_EQ(drawSlot(script, 53), 52u);
  EXPECT_EQ(drawSlot(script, 53), 0u);
}

TEST(Sayings, TheLargeLabelShowsTheHintAndASayingTheGreyBoxAnySlot) {
  const std::vector<std::string> table{"First.", "Second.", "Third.", "the hint"};
  testing::ScriptedPlatform script;
  // The first draw picks among the three sayings, the second among all four slots.
  script.draws = {0.5f, 0.99f};
  const DrawnSayings drawn = drawSayings(table, script);
  EXPECT_EQ(drawn.Label14, "the hint\n\nSecond.");
  EXPECT_EQ(drawn.Label3, "the hint");
  EXPECT_TRUE(script.seeds.empty()) << "the generator is seeded once, when the program starts";
}

TEST(Sayings, WithoutSayingsTheLargeLabelShowsTheHintAlone) {
  testing::ScriptedPlatform script;
  const DrawnSayings drawn = drawSayings(quotationTable({}, "the hint"), script);
  EXPECT_EQ(drawn.Label14, "the hint");
  EXPECT_EQ(drawn.Label3, "the hint");
}

}  // namespace
}  // namespace vorelan
