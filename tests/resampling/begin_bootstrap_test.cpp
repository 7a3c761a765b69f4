#include "resampling/begin_bootstrap.h"

#include <gtest/gtest.h>

#include "support/scripted_platform.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;

std::optional<BootstrapSize> ask(ScriptedPlatform& script, std::deque<std::optional<std::string>> answers) {
  script.inputAnswers = std::move(answers);
  Platform platform = script.platform();
  return BeginBootstrap(platform, 60);
}

TEST(BeginBootstrap, AsksTheNumberOfReplicatesThenTheSampleSize) {
  ScriptedPlatform script;
  const auto size = ask(script, {"40000", " 60 "});
  ASSERT_TRUE(size);
  EXPECT_EQ(size->replicates, 40000);
  EXPECT_EQ(size->sampleSize, 60);
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[0].text, "Enter the number of bootstarp (B <= 40000) ");
  EXPECT_EQ(script.boxes[0].title, "Bootstrap");
  EXPECT_EQ(script.boxes[1].text, "Enter the sample size (n) of bootstrap");
  EXPECT_EQ(script.boxes[1].title, "Sample size =?");
}

TEST(BeginBootstrap, CancelAtEitherQuestionEndsTheRunBeforeAnythingHappens) {
  ScriptedPlatform first;
  EXPECT_FALSE(ask(first, {std::nullopt}));
  ScriptedPlatform second;
  EXPECT_FALSE(ask(second, {"100", std::nullopt}));
  EXPECT_TRUE(second.messages().empty());
}

TEST(BeginBootstrap, AnAnswerOutsideTheRangeIsRefusedWithTheRangeAndAskedAgain) {
  const struct {
    std::string replicates;
    std::string sampleSize;
    bool replicatesRefused;
  } cases[] = {
      {"0", "60", true},     {"1", "60", true},    {"40001", "60", true}, {"-5", "60", true},
      {"abc", "60", true},   {"2.5", "60", true},  {"", "60", true},      {"1e9", "60", true},
      {"2", "0", false},     {"2", "401", false},  {"2", "-1", false},    {"2", "x", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("B " + c.replicates + ", n " + c.sampleSize);
    ScriptedPlatform script;
    const auto size = c.replicatesRefused ? ask(script, {c.replicates, "7", c.sampleSize})
                                          : ask(script, {c.replicates, c.sampleSize, "400"});
    ASSERT_TRUE(size);
    ASSERT_EQ(script.messages().size(), 1u);
    if (c.replicatesRefused) {
      EXPECT_EQ(size->replicates, 7);
      EXPECT_EQ(script.messages()[0].text,
                "The number of bootstrap replicates B must be a whole number from 2 to 40000.");
    } else {
      EXPECT_EQ(size->sampleSize, 400);
      EXPECT_EQ(script.messages()[0].text, "The sample size n must be a whole number from 1 to 400.");
    }
  }
}

TEST(BeginBootstrap, TheLimitsThemselvesAreAccepted) {
  ScriptedPlatform script;
  const auto small = ask(script, {"2", "1"});
  ASSERT_TRUE(small);
  EXPECT_EQ(small->replicates, 2);
  EXPECT_EQ(small->sampleSize, 1);
  EXPECT_TRUE(script.messages().empty());
}

}  // namespace
}  // namespace vorelan
