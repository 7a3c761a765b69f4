#include "lifetable/life02.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/life_table_run.h"

namespace vorelan {
namespace {

using testing::cohortFile;
using testing::FourStages;
using testing::readInto;
using testing::ScriptedPlatform;

const std::vector<std::string> MixedCohort = {
    "1,F,2,3,4,5,-1,1,2,3,-1,1,-1,4,-1",
    "2,M,2,5,4,6,-1,2,2,-1,-1,3,3,-1",
    "3,N,3,4,-2,-1,5,-1,7,-1",
    "4,N,-2,-1",
};

struct SpanCase {
  const char* name;
  std::string spanLine;  // the two span names as the header gives them
  double timeUnit;
  int n;
  double mean;
  double sd;
  int femaleN;
};

void PrintTo(const SpanCase& c, std::ostream* out) { *out << c.name; }

class Life02Span : public ::testing::TestWithParam<SpanCase> {};

TEST_P(Life02Span, CountsTheIndividualsThatPassedEveryStageOfTheSpan) {
  const SpanCase& c = GetParam();
  std::string text = cohortFile(FourStages, MixedCohort);
  text.replace(text.find("Larva,Pupa\r\n1,"), 10, c.spanLine);
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, text, c.timeUnit, script);
  Platform platform = script.platform();
  life02(state, platform);
  EXPECT_EQ(state.span.SpanN, c.n);
  EXPECT_DOUBLE_EQ(state.span.SpanSum, c.n * c.mean);
  EXPECT_DOUBLE_EQ(state.span.SpanMean, c.mean);
  EXPECT_NEAR(state.span.SpanSD, c.sd, 1e-12);
  EXPECT_EQ(state.span.SexSpanN(1), c.femaleN);
  EXPECT_EQ(state.span.SexSpanN(3), c.n == 3 ? 1 : 0);
  EXPECT_LE(state.span.SpanFirstStage, state.span.SpanLastStage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Life02Span,
    ::testing::Values(SpanCase{"larva_to_pupa", "Larva,Pupa", 1, 2, 8, std::sqrt(2.0), 1},
                      SpanCase{"names_in_reverse_order", "Pupa,Larva", 1, 2, 8, std::sqrt(2.0), 1},
                      SpanCase{"half_day_time_unit", "Larva,Pupa", 0.5, 2, 4, std::sqrt(0.5), 1},
                      SpanCase{"one_stage", "Larva,Larva", 1, 3, 4, 1, 1},
                      SpanCase{"whole_life", "Egg,Adult", 1, 2, 15.5, std::sqrt(4.5), 1},
                      SpanCase{"name_without_a_stage", "Pupa,Nymph", 1, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Life02, LifetimeConsumptionBySexLineAndForTheCohort) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state,
           cohortFile({"Egg", "Adult"}, {"1,F,1,1,10,-1,-1", "2,F,1,1,-1,20,-1", "3,F,1,1,15,-1,15,-1"}), 1,
           script);
  Platform platform = script.platform();
  life02(state, platform);
  EXPECT_EQ(state.span.SexLifetimeConsN(1), 3);
  // Lifetime totals 10, 20 and 15 + 15.
  EXPECT_DOUBLE_EQ(state.span.SexLifetimeConsMean(1), 20);
  EXPECT_DOUBLE_EQ(state.span.SexLifetimeConsSD(1), 10);
  EXPECT_DOUBLE_EQ(state.span.LifetimeConsMean, 20);
  EXPECT_DOUBLE_EQ(state.span.LifetimeConsSD, 10);
  EXPECT_DOUBLE_EQ(state.span.LifetimeConsSE, 10 / std::sqrt(3.0));
  EXPECT_TRUE(script.windowLines.empty());
}

TEST(Life02, AnIndividualInNoSexLineIsReportedAndStillDividesTheTotal) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile({"Egg", "Adult"}, {"1,F,1,1,4,-1,-1", "2,M,1,1,-1,2,-1", "3,N,-1,6,-1"}, 2), 1,
           script);
  Platform platform = script.platform();
  life02(state, platform);
  EXPECT_EQ(script.windowLines, std::vector<std::string>{"Error!!!!"});
  EXPECT_DOUBLE_EQ(state.span.LifetimeConsMean, 2);  // (4 + 2) / 3
}

TEST(Life02, ACohortOfOneHasAMeanButNoSpread) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile({"Egg", "Adult"}, {"1,N,-2,-1"}), 1, script);
  Platform platform = script.platform();
  life02(state, platform);
  EXPECT_EQ(state.span.SexLifetimeConsN(3), 1);  // died as an egg without feeding: still counted
  EXPECT_EQ(state.span.LifetimeConsMean, 0);
  EXPECT_EQ(state.span.LifetimeConsSD, 0);
  EXPECT_EQ(state.span.LifetimeConsSE, 0);
}

}  // namespace
}  // namespace vorelan
