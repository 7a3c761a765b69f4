// The result files of a bootstrap run, worked out by hand from replicate
// values set in the state.
#include "resampling/bootstrap_result_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "resampling/bootstrap_fixture.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::setReplicates;

class BootstrapResultFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { state.report.BaseFileName = (dir.path() / "mites").string(); }

  std::string file(const std::string& suffix) const { return testing::readFile(state.report.BaseFileName + suffix); }
  std::set<std::string> written() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.insert(entry.path().filename().string().substr(5));  // less "mites"
    }
    return names;
  }

  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform ui;
  Platform platform = ui.platform();
};

const char* const Head =
    "\"Project: Mites\"\r\n\"Next line is the bootstrap sample size (n)\"\r\n3\r\n"
    "\"Next line is the effective bootstrap numbers (B)\"\r\n";

// Five values a line, the last line closed by "," and -1 directly.
TEST_F(BootstrapResultFilesTest, SevenReplicatesInRow) {
  testing::setUpBootstrapState(state, 7);
  setReplicates(state.bootstrap.BootC0, {1, 2, 3, 4, 5, 6.5, -0.25});
  state.run.BasicRunC0 = 3.75;
  WriteBootstrapNetConsumptionInRow(state, platform);
  EXPECT_EQ(file("_4_Bootstrap_C0-in Row.txt"),
            std::string(Head) + "7\r\n\"C0\",3,3.75\r\n 1 , 2 , 3 , 4 , 5 \r\n 6.5 ,-.25 ,-1\r\n");
}

// Ten values: two full lines, and -1 on a line of its own.
TEST_F(BootstrapResultFilesTest, TenReplicatesInRow) {
  testing::setUpBootstrapState(state, 10);
  setReplicates(state.bootstrap.BootC0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  WriteBootstrapNetConsumptionInRow(state, platform);
  EXPECT_EQ(file("_4_Bootstrap_C0-in Row.txt"),
            std::string(Head) + "10\r\n\"C0\",3,0\r\n 1 , 2 , 3 , 4 , 5 \r\n 6 , 7 , 8 , 9 , 10 \r\n-1\r\n");
}

// One value a line; the tag line holds the whole cohort's C0, not the last
// replicate's.
TEST_F(BootstrapResultFilesTest, ReplicatesInColumn) {
  testing::setUpBootstrapState(state, 3);
  setReplicates(state.bootstrap.BootC0, {10.125, 0.5, 12});
  state.run.BasicRunC0 = 11;
  state.ageVectors.NetConsumptionRate = 12;
  WriteBootstrapNetConsumptionInColumn(state, platform);
  EXPECT_EQ(file("_4_Bootstrap_C0_in column.txt"),
            "\"Project: Mites\"\r\n\"Next line is the bootstrap sample size (n)\"\r\n3\r\n"
            "\"Next line is the effective bootstrap numbers (B) \"\r\n3\r\n\"C0\",3,11\r\n10.125\r\n0.5\r\n12\r\n");
}

// The predation rates and Qp have replicate values only with the sibling
// program's samples; after new samples their six files are not written.
TEST_F(BootstrapResultFilesTest, WhichFilesEachKindOfRunWrites) {
  const std::set<std::string> always = {
      "_4_Bootstrap_C0-in Row.txt",          "_4_Bootstrap_C0_in column.txt",
      "_24_Bootstrap_Stage consume-1-in Row.txt", "_24_Bootstrap_Stage consume-2-in Row.txt",
      "_24_Bootstrap_Stage consume-3-in Row.txt", "_24_Bootstrap_Stage consume-4-in Row.txt"};
  const std::set<std::string> sameSamplesOnly = {
      "_4_Bootstrap_Psi_in column.txt",   "_4_Bootstrap_Psi-in Row.txt", "_4_Bootstrap_Omega_in column.txt",
      "_4_Bootstrap_Omega-in Row.txt",    "_4_Bootstrap_Qp_in column.txt", "_4_Bootstrap_Qp-in Row.txt"};
  for (const std::string same : {"No", "Yes"}) {
    testing::TempDir own;
    AnalysisState s;
    testing::setUpBootstrapState(s, 2);
    s.bootstrap.SameBootSamples = same;
    s.bootSummary.BootQp.reset(3);
    s.report.BaseFileName = (own.path() / "mites").string();
    WriteBootstrapResultFiles(s, platform);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(own.path())) {
      names.insert(entry.path().filename().string().substr(5));
    }
    std::set<std::string> expected = always;
    if (same == "Yes") expected.insert(sameSamplesOnly.begin(), sameSamplesOnly.end());
    EXPECT_EQ(names, expected) << same;
  }
}

// A samples file whose Ro of all individuals is 0 gives no Qp of the whole
// cohort: the tag line shows "-" in its place, never 0, inf or nan.
TEST_F(BootstrapResultFilesTest, QpOfTheWholeCohortThatCannotBeFormed) {
  testing::setUpBootstrapState(state, 2);
  state.bootSummary.BootQp.reset(3);
  setReplicates(state.bootSummary.BootQp, {2, 3});
  state.bootSummary.HasQp = false;
  WriteBootstrapQpInColumn(state, platform);
  EXPECT_NE(file("_4_Bootstrap_Qp_in column.txt").find("\r\n\"Qp\",3,-\r\n2\r\n3\r\n"), std::string::npos);
}

// Without a distribution read, Psi and omega of the whole cohort were never
// formed: the tag lines of their four files show "-", while the replicates'
// own values (from the samples' lambda) stay.
TEST_F(BootstrapResultFilesTest, PredationRatesOfTheWholeCohortWithoutADistributionRead) {
  testing::setUpBootstrapState(state, 2);
  state.bootstrap.SameBootSamples = "Yes";
  setReplicates(state.bootstrap.BootPsi, {0.5, 0.75});
  setReplicates(state.bootstrap.BootOmega, {1.5, 2});
  state.bootSummary.BootQp.reset(3);
  state.predation.Psi = 0;
  state.predation.Omega = 0;
  WriteBootstrapResultFiles(state, platform);
  EXPECT_NE(file("_4_Bootstrap_Psi_in column.txt").find("\r\n\"Psi\",3,-\r\n0.5\r\n0.75\r\n"), std::string::npos);
  EXPECT_NE(file("_4_Bootstrap_Psi-in Row.txt").find("\r\n\"Psi\",3,-\r\n .5 , .75 ,-1\r\n"), std::string::npos);
  EXPECT_NE(file("_4_Bootstrap_Omega_in column.txt").find("\r\n\"Omega\",3,-\r\n1.5\r\n2\r\n"), std::string::npos);
  EXPECT_NE(file("_4_Bootstrap_Omega-in Row.txt").find("\r\n\"Omega\",3,-\r\n 1.5 , 2 ,-1\r\n"), std::string::npos);
}

TEST_F(BootstrapResultFilesTest, HeadsOfThePredationRateAndQpFiles) {
  testing::setUpBootstrapState(state, 2);
  setReplicates(state.bootstrap.BootOmega, {1.5, 2});
  state.bootSummary.BootQp.reset(3);
  setReplicates(state.bootSummary.BootQp, {2, 3});
  state.bootSummary.HasQp = true;
  state.bootSummary.Qp = 2.2;
  state.predation.Omega = 2.75;
  state.run.SASDRead = "Yes";
  WriteBootstrapFinitePredationRateInColumn(state, platform);
  WriteBootstrapQpInRow(state, platform);
  EXPECT_EQ(file("_4_Bootstrap_Omega_in column.txt"),
            "\"Project: Mites\"\r\n\"Next line is the bootstrap sample size (n)\"\r\n3\r\n"
            "\"Next line is the effective bootstrap numbers (m) \"\r\n2\r\n\"Omega\",3,2.75\r\n1.5\r\n2\r\n");
  EXPECT_EQ(file("_4_Bootstrap_Qp-in Row.txt"),
            "\"Project: Mites\"\r\n\"Next line is the bootstrap sample size (n)\"\r\n3\r\n"
            "\"Next line is the effective bootstrap numbers (B) \"\r\n2\r\n\"Qp\",3,2.2\r\n 2 , 3 ,-1\r\n");
}

// Four stages (egg, larva, pupa, adult): W files of every stage with a
// duration count, Y files of every stage with mean consumption, by sex line
// too, and X files of the cumulative durations from stage 2.
class StageMeanFilesTest : public BootstrapResultFilesTest {
 protected:
  void SetUp() override {
    BootstrapResultFilesTest::SetUp();
    testing::setUpBootstrapState(state, 2);
    state.header.NumStages = 4;
    state.header.StageName(1, 3) = "Pupa";
    StageStatistics& st = state.stageStats;
    for (int j = 1; j <= 4; ++j) {
      st.StageDurSampleSize(j) = 10 - j;
      st.StageDurMean(j) = j + 0.5;
      st.CumDurMean(j) = 2 * j;
      st.StageConsSampleSize(j) = 10 - j;
      st.StageConsMean(j) = j == 1 ? 0 : 3 * j;  // eggs eat nothing
    }
    st.SexStageConsSampleSize(2, 4) = 4;
    st.SexStageConsMean(2, 4) = 20;
    for (int b = 1; b <= 2; ++b) {
      state.bootstrap.BootStageDurMean(b, 2) = 2 + b;
      state.bootstrap.BootCumDurMean(b, 4) = 8 + b;
      state.bootstrap.BootSexStageConsMean(b, 2, 4) = 19 + b;
    }
  }
};

TEST_F(StageMeanFilesTest, NamesOfEveryFamily) {
  WriteBootstageMeaninColumn(state, platform);
  EXPECT_EQ(written(), (std::set<std::string>{
                           "_Effective Boots-W_Stage mean_1_Egg_in column.txt",
                           "_Effective Boots-W_Stage mean_2_Larva_in column.txt",
                           "_Effective Boots-W_Stage mean_3_Pupa_in column.txt",
                           "_Effective Boots-W_Stage mean_4_Adult_in column.txt",
                           "_Effective Boots-Y_Mean consumption_2_Larva_in column.txt",
                           "_Effective Boots-Y_Mean consumption_3_Pupa_in column.txt",
                           "_Effective Boots-Y_Mean consumption_4_Adult_in column.txt",
                           "_Effective Boots-Y_Mean consumption_M_4_Adult_in column.txt",
                           "_Effective Boots-X_Egg-to-Larva_in column.txt",
                           "_Effective Boots-W_PreAdult_in column.txt",
                           "_Effective Boots-X_Egg-to-Adult_in column.txt",
                       }));
  EXPECT_EQ(file("_Effective Boots-W_Stage mean_2_Larva_in column.txt"),
            "\"Mites\"\r\n\"Next line is Bootstrap sample size (n)\"\r\n8\r\n"
            "\"Next line is effective bootstrap number (B)\"\r\n2\r\n\"Larva\",8,2.5\r\n3\r\n4\r\n");
  EXPECT_EQ(file("_Effective Boots-Y_Mean consumption_M_4_Adult_in column.txt"),
            "\"Mites\"\r\n\"Next line is Bootstrap sample size (n)\"\r\n4\r\n"
            "\"Next line is effective bootstrap number (B)\"\r\n2\r\n\"Adult\",4,20\r\n20\r\n21\r\n");
}

TEST_F(StageMeanFilesTest, TagLinesOfTheCumulativeDurationsInRow) {
  WriteBootstageMeaninRow(state, platform);
  EXPECT_EQ(file("_Effective Boots-X_Egg-to-Adult_in row.txt"),
            "\"Mites\"\r\n\"Next line is Bootstrap sample size (n)\"\r\n6\r\n"
            "\"Next line is effective bootstrap number (B)\"\r\n2\r\n\"Total longevity\",6,8\r\n 9 , 10 ,-1\r\n");
  EXPECT_NE(file("_Effective Boots-X_Egg-to-Larva_in row.txt").find("\"Egg-Larva\",8,4\r\n"), std::string::npos);
  EXPECT_NE(file("_Effective Boots-W_PreAdult_in row.txt").find("\"PreAdult\",7,6\r\n"), std::string::npos);
}

// A stage that no individual completed gets neither a W nor an X file.
TEST_F(StageMeanFilesTest, AStageWithoutDurationsGetsNoFile) {
  state.stageStats.StageDurSampleSize(2) = 0;
  WriteBootstageMeaninColumn(state, platform);
  const std::set<std::string> names = written();
  EXPECT_FALSE(names.count("_Effective Boots-W_Stage mean_2_Larva_in column.txt"));
  EXPECT_FALSE(names.count("_Effective Boots-X_Egg-to-Larva_in column.txt"));
  EXPECT_TRUE(names.count("_Effective Boots-Y_Mean consumption_2_Larva_in column.txt"));
}

// Stage names go into file names by the rule of every output file: no
// character a file name cannot hold, and two stages of one name kept apart.
TEST_F(StageMeanFilesTest, StageNamesMadeSafeForFileNames) {
  state.header.StageName(1, 1) = "L/1";
  state.header.StageName(1, 2) = "Inst";
  state.header.StageName(1, 3) = "Inst";
  state.header.NumStages = 5;
  for (int j = 1; j <= 5; ++j) state.stageStats.StageDurSampleSize(j) = 3;
  state.stageStats.CumDurMean(5) = 9;
  state.header.StageName(1, 4) = "Pupa";
  state.header.SexName(2) = "M*";  // a sex line's name goes into the Y files
  WriteBootstageMeaninColumn(state, platform);
  const std::set<std::string> names = written();
  EXPECT_TRUE(names.count("_Effective Boots-Y_Mean consumption_M__4_Pupa_in column.txt"));
  EXPECT_TRUE(names.count("_Effective Boots-W_Stage mean_1_L_1_in column.txt"));
  EXPECT_TRUE(names.count("_Effective Boots-X_L_1-to-Inst2_in column.txt"));
  EXPECT_TRUE(names.count("_Effective Boots-X_L_1-to-Inst3_in column.txt"));
  EXPECT_NE(file("_Effective Boots-X_L_1-to-Inst3_in column.txt").find("\"L/1-Inst\",3,6\r\n"), std::string::npos);
}

// Two sex lines whose names come out alike in a file name are kept apart by
// their numbers, so that neither overwrites the other's files.
TEST_F(StageMeanFilesTest, SexLinesOfLikeNamesKeptApart) {
  state.header.NumSexes = 2;
  state.header.SexName(1) = "F:";
  state.header.SexName(2) = "F/";
  state.stageStats.SexStageConsSampleSize(1, 4) = 3;
  state.stageStats.SexStageConsMean(1, 4) = 15;
  WriteBootstageMeaninColumn(state, platform);
  const std::set<std::string> names = written();
  EXPECT_TRUE(names.count("_Effective Boots-Y_Mean consumption_F_1_4_Adult_in column.txt"));
  EXPECT_TRUE(names.count("_Effective Boots-Y_Mean consumption_F_2_4_Adult_in column.txt"));
}

// One file per stage column 1..m+1, the male adults' included.
TEST_F(BootstrapResultFilesTest, StageDailyMeanConsumptionInRow) {
  testing::setUpBootstrapState(state, 2);
  state.ageVectors.StageDailyMeanConsumption(4) = 1.25;
  state.bootstrap.BootStageDailyMeanConsumption(4, 1) = 1.5;
  state.bootstrap.BootStageDailyMeanConsumption(4, 2) = 1;
  WriteBootDailyMeanConsumeInRow(state, platform);
  EXPECT_EQ(written().size(), 4u);
  EXPECT_EQ(file("_24_Bootstrap_Stage consume-4-in Row.txt"),
            std::string(Head) + "2\r\n\"Stage 4\",3,1.25\r\n 1.5 , 1 ,-1\r\n");
}

}  // namespace
}  // namespace vorelan
