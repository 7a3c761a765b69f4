// The greeting changes with the hour and cycles through its languages, then
// gives way to the farewell.
#include <gtest/gtest.h>

#include "guidance/greeting.h"

namespace vorelan {
namespace {

struct GreetingCase {
  const char* name;
  int phase;
  int hour;
  const char* greeting;
};

void PrintTo(const GreetingCase& c, std::ostream* out) { *out << c.name; }

class GreetingByPhaseAndHour : public ::testing::TestWithParam<GreetingCase> {};

TEST_P(GreetingByPhaseAndHour, PicksTheRowByPhaseAndTheColumnByHour) {
  EXPECT_EQ(greetingFor(GetParam().phase, GetParam().hour), GetParam().greeting);
}

INSTANTIATE_TEST_SUITE_P(
    Greetings, GreetingByPhaseAndHour,
    ::testing::Values(GreetingCase{"night_at_0459", 1, 4, "Gute Nacht!"},
                      GreetingCase{"morning_at_0500", 1, 5, "Buenos dias!"},
                      GreetingCase{"morning_at_0759", 9, 7, "Buenos dias!"},
                      GreetingCase{"day_at_0800", 1, 8, "Buenas tardes!"},
                      GreetingCase{"day_at_1659", 1, 16, "Buenas tardes!"},
                      GreetingCase{"evening_at_1700", 1, 17, "Buenas noches!"},
                      GreetingCase{"evening_at_2059", 1, 20, "Buenas noches!"},
                      GreetingCase{"night_at_2100", 1, 21, "Gute Nacht!"},
                      GreetingCase{"night_at_midnight", 1, 0, "Gute Nacht!"},
                      GreetingCase{"phase_0_is_the_first_row", 0, 10, "Buenas tardes!"},
                      GreetingCase{"second_row", 10, 6, "Guten Morgen!"},
                      GreetingCase{"third_row", 25, 12, "Good afternoon!"},
                      GreetingCase{"fourth_row_evening", 39, 18, "Hi......!"},
                      GreetingCase{"fourth_row_night", 30, 23, "Go bed!"},
                      GreetingCase{"fifth_row", 40, 6, "Wie geht's?"},
                      GreetingCase{"sixth_row", 59, 6, "Como esta Vd.?"}),
    [](const ::testing::TestParamInfo<GreetingCase>& info) { return std::string(info.param.name); });

TEST(Greeting, TicksCycleAndEndInTheFarewell) {
  int ticks = 0, phase = 0;
  EXPECT_EQ(nextGreeting(ticks, phase, 10), "Buenas tardes!");
  EXPECT_EQ(phase, 1);
  for (int i = 2; i <= 60; ++i) nextGreeting(ticks, phase, 10);
  // The 60th tick wraps to phase 0, still the first row.
  EXPECT_EQ(phase, 0);
  EXPECT_EQ(greetingFor(phase, 10), "Buenas tardes!");
  while (ticks < 2000) nextGreeting(ticks, phase, 10);
  EXPECT_NE(nextGreeting(ticks, phase, 10), Farewell);  // tick 2001 still greets
  EXPECT_EQ(ticks, 2001);
  EXPECT_EQ(nextGreeting(ticks, phase, 10), Farewell);
  EXPECT_EQ(nextGreeting(ticks, phase, 10), Farewell);
}

}  // namespace
}  // namespace vorelan
