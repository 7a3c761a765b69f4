// The normal density curves at the end of a bootstrap run.
#include "resampling/normal_density_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

#include "resampling/boot01.h"
#include "resampling/bootstrap_fixture.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"
#include "support/written_text.h"

namespace vorelan {
namespace {

std::vector<double> numbersOf(const std::string& record) {
  std::vector<double> numbers;
  std::stringstream fields(record);
  for (std::string field; std::getline(fields, field, ',');) numbers.push_back(std::stod(field));
  return numbers;
}

class NormalDensityCurvesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::setUpBootstrapState(state, 40);
    state.report.BaseFileName = (dir.path() / "mites").string();
  }
  std::set<std::string> written() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.insert(entry.path().filename().string().substr(5));
    }
    return names;
  }
  std::string file(const std::string& suffix) const { return testing::readFile(state.report.BaseFileName + suffix); }

  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform ui;
  Platform platform = ui.platform();
};

// Mean 10, S.E. 2: x from 3 to 17 in steps of 0.07; at the mean the density
// is 1 / (2 * sqrt(6.28318)), about 0.199471.
TEST_F(NormalDensityCurvesTest, OneCurveOf201Points) {
  WriteNormalDensityCurveForXstage(state, platform, {"C0", 10, 2});
  const std::vector<std::string> lines = testing::crlfLinesOf(file("_22_Bootstrap-C0-Normal density.txt"));
  ASSERT_EQ(lines.size(), 209u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 8);
  EXPECT_EQ(head, (std::vector<std::string>{"\"Mites\"", "\"Ana\"", "\"2026-01-02\"", "\"Bootstrap number =\",40",
                                            "\"Mean of C0:\",10,\"SE:\",2",
                                            "\"Total number of effective bootstrap =\",40",
                                            "\"Bootstrap sample size =\",3", "\"i\",\"C0\",\"density\""}));
  for (int i = 0; i <= 200; ++i) {
    const std::vector<double> point = numbersOf(lines[static_cast<std::size_t>(8 + i)]);
    ASSERT_EQ(point.size(), 3u);
    EXPECT_EQ(point[0], i);
    const double x = 3 + i * 0.07;
    EXPECT_NEAR(point[1], x, 1e-12);
    EXPECT_NEAR(point[2], std::exp(-0.5 * std::pow((x - 10) / 2, 2)) / (2 * std::sqrt(6.28318)), 1e-13);
  }
  EXPECT_NEAR(numbersOf(lines[108])[2], 0.199471, 1e-6);
}

// The stages' curves carry the stage number with its leading blank into the
// label and the file name; a stage without mean consumption or without
// spread gets none; the adult stage also by sex.
TEST_F(NormalDensityCurvesTest, WhichCurvesAreWritten) {
  StageStatistics& st = state.stageStats;
  BootstrapSummary& sum = state.bootSummary;
  st.StageConsMean(1) = 0;  // eggs eat nothing
  sum.BootStageCons[1].SE = 1;
  st.StageConsMean(2) = 5;
  sum.BootStageCons[2].SE = 0.5;
  st.StageConsMean(3) = 30;
  sum.BootStageCons[3].SE = 3;
  st.SexStageConsMean(1, 3) = 35;
  sum.BootSexStageCons[1][3].SE = 4;
  st.SexStageConsMean(2, 3) = 20;  // no spread among the males' means: no curve
  state.run.BasicRunC0 = 40;
  state.bootstrap.BootC0SE = 2.5;
  state.bootstrap.OrigR0 = 10;
  sum.HasQp = true;
  sum.Qp = 4;
  sum.BootQpStats.SE = 0.25;
  state.run.SASDRead = "Yes";
  state.predation.Psi = 7;
  sum.BootPsiStats.SE = 0.5;
  state.predation.Omega = 8;  // no spread of FP: no curve
  WriteNormalDensityCurveBegin(state, platform);
  EXPECT_EQ(written(), (std::set<std::string>{
                           "_22_Bootstrap- 2-Larva-Normal density.txt",
                           "_22_Bootstrap- 3-Adult-Normal density.txt",
                           "_22_Bootstrap- 3-Female Adult-Normal density.txt",
                           "_22_Bootstrap-C0-Normal density.txt",
                           "_22_Bootstrap-Qp-Normal density.txt",
                           "_22_Bootstrap-Stable Predation Rate-Normal density.txt",
                       }));
  EXPECT_NE(file("_22_Bootstrap- 2-Larva-Normal density.txt").find("\"Mean of  2-Larva:\",5,\"SE:\",0.5\r\n"),
            std::string::npos);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "Congratulation!");
  EXPECT_EQ(ui.messages()[0].title, "Task completed");
}

// The female and male adults' curves take the sex lines labelled "F" and
// "M", in whatever order the header lists them; a cohort without one of
// them has no curve for it. Line s has the mean 10 s and the S.E. s.
TEST_F(NormalDensityCurvesTest, TheAdultsOfEachSexFollowTheirLettersInTheHeader) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<DensityCurve> adults;  // the curves after " 3-Adult"
  };
  const Case cases[] = {
      {{"F", "M"}, {{" 3-Female Adult", 10, 1}, {" 3-Male Adult", 20, 2}}},
      {{"M", "F", "N"}, {{" 3-Female Adult", 20, 2}, {" 3-Male Adult", 10, 1}}},
      {{"N", "M", "F"}, {{" 3-Female Adult", 30, 3}, {" 3-Male Adult", 20, 2}}},
      {{"M", "N"}, {{" 3-Male Adult", 10, 1}}},
      {{"N", "F"}, {{" 3-Female Adult", 20, 2}}},
  };
  for (const Case& c : cases) {
    AnalysisState s;
    testing::setUpBootstrapState(s, 40);
    s.header.NumSexes = static_cast<std::int16_t>(c.lines.size());
    s.stageStats.StageConsMean(3) = 50;
    s.bootSummary.BootStageCons[3].SE = 5;
    for (int line = 1; line <= s.header.NumSexes; ++line) {
      s.header.SexName(line) = c.lines[static_cast<std::size_t>(line - 1)];
      s.stageStats.SexStageConsMean(line, 3) = 10.0 * line;
      s.bootSummary.BootSexStageCons[line][3].SE = line;
    }
    std::vector<DensityCurve> curves = normalDensityCurves(s);
    ASSERT_GE(curves.size(), 1u);
    EXPECT_EQ(curves[0].DensityLabel, " 3-Adult");
    curves.erase(curves.begin());
    ASSERT_EQ(curves.size(), c.adults.size()) << c.lines[0];
    for (std::size_t k = 0; k < curves.size(); ++k) {
      EXPECT_EQ(curves[k].DensityLabel, c.adults[k].DensityLabel) << c.lines[0];
      EXPECT_EQ(curves[k].DensityMean, c.adults[k].DensityMean) << c.adults[k].DensityLabel << " " << c.lines[0];
      EXPECT_EQ(curves[k].DensitySE, c.adults[k].DensitySE) << c.adults[k].DensityLabel << " " << c.lines[0];
    }
  }
}

// A stage name goes into the file name by the rule of every output file;
// the file's own lines keep it as it is.
TEST_F(NormalDensityCurvesTest, StageNameMadeSafeInTheFileName) {
  state.header.StageName(1, 2) = "L/2";
  state.stageStats.StageConsMean(2) = 5;
  state.bootSummary.BootStageCons[2].SE = 0.5;
  WriteNormalDensityCurveBegin(state, platform);
  EXPECT_TRUE(written().count("_22_Bootstrap- 2-L_2-Normal density.txt"));
  EXPECT_NE(file("_22_Bootstrap- 2-L_2-Normal density.txt").find("\"Mean of  2-L/2:\",5,"), std::string::npos);
}

// After new samples there is no Ro, so no Qp, and the predation rates have
// no replicates: only C0 and the stages are drawn; nothing divides by 0 and
// the run still ends with its message.
TEST_F(NormalDensityCurvesTest, NewSamplesWriteNoQpAndNoPredationRates) {
  state.run.BasicRunC0 = 40;
  state.bootstrap.BootC0SE = 2.5;
  state.predation.Psi = 7;
  state.predation.Omega = 8;
  WriteNormalDensityCurveBegin(state, platform);
  EXPECT_EQ(written(), (std::set<std::string>{"_22_Bootstrap-C0-Normal density.txt"}));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "Congratulation!");
}

// The Qp curve is centred on the Qp of the table's "Original" row, the Basic
// Run's C0 over Ro of all individuals, to the last bit; not on the run's Qp
// (C0 as the sum of q(x) over that Ro), which may differ in the last digits
// and which the Qp result files keep.
TEST_F(NormalDensityCurvesTest, TheQpCurveIsCentredOnTheOriginalRowsQp) {
  state.run.BasicRunC0 = 0.1 + 0.2;  // 0.30000000000000004
  state.bootstrap.OrigR0 = 0.7;
  state.bootSummary.HasQp = true;
  state.bootSummary.Qp = 0.3 / 0.7;  // the run's: C0 = 0.3, differing in the last bit
  state.bootSummary.BootQpStats.SE = 0.05;
  ASSERT_NE(state.bootSummary.Qp, (0.1 + 0.2) / 0.7);
  const std::vector<DensityCurve> curves = normalDensityCurves(state);
  const auto qp =
      std::find_if(curves.begin(), curves.end(), [](const DensityCurve& c) { return c.DensityLabel == "Qp"; });
  ASSERT_NE(qp, curves.end());
  EXPECT_EQ(std::bit_cast<std::uint64_t>(qp->DensityMean), std::bit_cast<std::uint64_t>(originalRowQp(state)));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(qp->DensityMean), std::bit_cast<std::uint64_t>((0.1 + 0.2) / 0.7));
  EXPECT_EQ(qp->DensitySE, 0.05);

  // In the file too, where the two differ within the digits written.
  state.run.BasicRunC0 = 11;
  state.bootstrap.OrigR0 = 5;
  state.bootSummary.Qp = 11.000000001 / 5;
  WriteNormalDensityCurveBegin(state, platform);
  EXPECT_NE(file("_22_Bootstrap-Qp-Normal density.txt").find("\"Mean of Qp:\",2.2,\"SE:\",0.05\r\n"),
            std::string::npos);
}

// The sibling's samples without a distribution read: the replicates have Psi
// and FP (from the samples' lambda), the whole cohort none, so there is no
// mean to centre a curve on.
TEST_F(NormalDensityCurvesTest, NoPredationRateCurvesWithoutADistributionRead) {
  state.run.BasicRunC0 = 40;
  state.bootstrap.BootC0SE = 2.5;
  state.bootSummary.BootPsiStats.SE = 0.5;
  state.bootSummary.BootOmegaStats.SE = 0.75;
  WriteNormalDensityCurveBegin(state, platform);
  EXPECT_EQ(written(), (std::set<std::string>{"_22_Bootstrap-C0-Normal density.txt"}));
  state.run.SASDRead = "Yes";
  state.predation.Psi = 7;
  state.predation.Omega = 8;
  std::set<std::string> labels;
  for (const DensityCurve& curve : normalDensityCurves(state)) labels.insert(curve.DensityLabel);
  EXPECT_EQ(labels, (std::set<std::string>{"C0", "Stable Predation Rate", "Finite Predation Rate"}));
}

// All replicates equal: S.E. 0, no curve of C0 either.
TEST_F(NormalDensityCurvesTest, NoSpreadNoCurve) {
  state.run.BasicRunC0 = 40;
  WriteNormalDensityCurveBegin(state, platform);
  EXPECT_TRUE(written().empty());
  EXPECT_EQ(ui.messages().size(), 1u);
}

}  // namespace
}  // namespace vorelan
