// The table "Basic Statistics of Life History Data" at its edges, printed from
// a state set by hand: groups of none and of one individual, a stage whose
// consumption nobody completed, the stored standard error of the pre-adult
// rows, and a cohort of a single stage.
#include "report/life06.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "support/report_on_file.h"

namespace vorelan {
namespace {

using testing::crlfLines;
using testing::sp;

std::string at(std::initializer_list<std::pair<int, std::string>> items) {
  return testing::atColumns(items);
}

// A row of a group without individuals: dashes for N, mean, S.D. and S.E.
std::string emptyRow(const std::string& label, const std::string& group) {
  return at({{5, label}, {22, group}, {29, "-"}, {37, "-"}, {47, "-"}, {61, "-"}});
}

const std::string EqualsRule = sp(4) + std::string(62, '=');
const std::string DashRule = sp(4) + std::string(62, '-');

// Two stages, the egg and the adult; one sex line "F"; two individuals.
class BasicStatistics : public testing::ReportOnFile {
 protected:
  void SetUp() override {
    ReportOnFile::SetUp();
    auto& h = state.header;
    h.NumStages = 2;
    h.NumSexes = 1;
    h.NumIndividuals = 2;
    h.SexName(1) = "F";
    h.StageName(1, 1) = "Egg";
    h.StageName(1, 2) = "Fema";
    auto& st = state.stageStats;
    st.StageDurN(1) = 2, st.StageDurMean(1) = 3, st.StageDurSD(1) = 1;
    st.SexStageDurN(1, 1) = 1, st.SexStageDurMean(1, 1) = 3.5;
    st.StageConsN(1) = 2, st.StageConsMean(1) = 0.125, st.StageConsSD(1) = 0.25;
    st.SexStageConsN(1, 1) = 1, st.SexStageConsMean(1, 1) = 4;
    auto& span = state.span;
    span.SpanFirstStage = 1, span.SpanLastStage = 2;
    span.SexSpanN(1) = 1, span.SexSpanMean(1) = 2.25;
    span.SexLifetimeConsN(1) = 2, span.SexLifetimeConsMean(1) = 4.5, span.SexLifetimeConsSD(1) = 1.5;
    span.LifetimeConsMean = 4.5, span.LifetimeConsSD = 1.5;
    auto& lg = state.longevity;
    // The stored S.E. is printed, not S.D. / the square root of N (.35).
    lg.PreadultConsFN = 2, lg.PreadultConsFMean = 4, lg.PreadultConsFSD = 0.5, lg.PreadultConsFSE = 0.123;
  }

  void printSections() {
    Life06Gosub160(state);
    Life06Gosub290(state);
    Life06Gosub690(state);
    Life06Gosub480(state);
    Life06Gosub910(state);
    Life06Gosub1140(state);
    Life06Gosub1320(state);
    Life06Gosub1800(state);
    Life06Gosub1990(state);
    Life06Gosub1995(state);
    Life06Gosub1550(state);
  }
};

TEST_F(BasicStatistics, EveryKindOfRow) {
  printSections();
  EXPECT_EQ(printed(),
            crlfLines({
                "\b",
                sp(59) + "Page 1 ",
                "    Table 1. Basic Statistics of Life History Data",
                " ",
                EqualsRule,
                "    Stage Duration   Sex     N      Mean       S.D.         S.E.",
                DashRule,
                // 1 / the square root of 2 = .7071
                at({{5, "Egg"}, {22, "All"}, {28, " 2 "}, {36, " 3 "}, {46, " 1 "}, {60, " .71 "}}),
                emptyRow("Adult", "All"),
                DashRule,
                at({{5, "Egg"}, {22, "F"}, {28, " 1 "}, {36, " 3.5 "}, {47, "-"}, {61, "-"}}),
                emptyRow("Adult", "F"),
                DashRule,
                emptyRow("Egg - Adult", "All"),
                DashRule,
                emptyRow("Egg - Adult", "F"),
                DashRule,
                emptyRow("Egg - Adult", "All"),
                at({{5, "Egg - Adult"}, {22, "F"}, {28, " 1 "}, {36, " 2.25 "}, {47, "-"}, {61, "-"}}),
                EqualsRule,
                sp(27) + "Consumption Rate",
                DashRule,
                // .125 to 2 decimals is .12; .25 / the square root of 2 = .1768
                at({{5, "Egg"}, {22, "All"}, {28, " 2 "}, {36, " .12 "}, {46, " .25 "}, {60, " .18 "}}),
                // Nobody completed the adult stage: its count still prints.
                at({{5, "Adult"}, {22, "All"}, {28, " 0 "}, {37, "-"}, {47, "-"}, {61, "-"}}),
                DashRule,
                at({{5, "Egg"}, {22, "F"}, {28, " 1 "}, {36, " 4 "}, {47, "-"}, {61, "-"}}),
                emptyRow("Adult", "F"),
                DashRule,
                at({{5, "Preadult"}, {22, "F"}, {28, " 2 "}, {36, " 4 "}, {46, " .5 "}, {60, " .12 "}}),
                DashRule,
                // 1.5 / the square root of 2 = 1.0607
                at({{5, "All stage"}, {22, "F"}, {28, " 2 "}, {36, " 4.5 "}, {46, " 1.5 "}, {60, " 1.06 "}}),
                DashRule,
                at({{5, "All stage"}, {22, "All"}, {28, " 2 "}, {36, " 4.5 "}, {46, " 1.5 "}, {60, " 1.06 "}}),
                DashRule,
            }));
}

// With one stage there is no cumulative period: the section of all
// individuals prints its rule, the section by sex one rule per sex line.
TEST_F(BasicStatistics, ASingleStageHasNoCumulativeRows) {
  state.header.NumStages = 1;
  state.header.NumSexes = 2;
  state.header.SexName(2) = "M";
  Life06Gosub480(state);
  Life06Gosub910(state);
  EXPECT_EQ(printed(), crlfLines({DashRule, DashRule, DashRule}));
}

// A span ending before the adult stage names its last stage; one ending in
// the adult stage names the adult word of its section.
TEST_F(BasicStatistics, SpanLabels) {
  state.header.NumStages = 3;
  state.header.StageName(1, 2) = "Larv";
  state.span.SpanFirstStage = 1, state.span.SpanLastStage = 2;
  Life06Gosub1140(state);
  state.span.SpanFirstStage = 2, state.span.SpanLastStage = 3;
  Life06Gosub1140(state);
  EXPECT_EQ(printed(), crlfLines({emptyRow("Egg - Larv", "All"), emptyRow("Larv - Adult", "All")}));
}

}  // namespace
}  // namespace vorelan
