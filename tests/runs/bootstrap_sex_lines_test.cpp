// A bootstrap with the sibling's samples on a cohort whose header lists the
// male line first: every female figure is the females', every male figure
// the males'.
//
// Two males eat 4 and 6 as adults (mean 5), two females 10 and 14 (mean 12);
// nothing before. The samples:
//   1: 1, 3, 2, 4  males 4, 6: 5   females 10, 14: 12
//   2: 1, 1, 2, 2  males 4, 4: 4   females 10, 10: 10
//   3: 3, 3, 4, 4  males 6, 6: 6   females 14, 14: 14
// Males 5, 4, 6: variance ((25 + 16 + 36) - 15^2 / 3) / 2 = 1, S.E. 1;
// females 12, 10, 14: variance ((144 + 100 + 196) - 36^2 / 3) / 2 = 4, S.E. 2.
#include <gtest/gtest.h>

#include <string>

#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/open_data_file.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

constexpr const char* MaleLineFirst =
    "Sexes in another order\r\nTester\r\n2026-01-01\r\n4\r\n3,3\r\n"
    "M,Egg,Larva,Male\r\nF,Egg,Larva,Female\r\nN,Egg,Larva,Unknown\r\nEgg,Larva\r\n"
    "1,M,1,1,2,-1,-1,2,2,-1\r\n"
    "2,F,1,1,2,-1,-1,5,5,-1\r\n"
    "3,M,1,1,2,-1,-1,3,3,-1\r\n"
    "4,F,1,1,2,-1,-1,7,7,-1\r\n";

constexpr const char* Samples =
    "Halvek,Bootstrap samples,Sexes in another order\n"
    "Bootstrap number,3\nSample size,4\n"
    "Sample 1,1,3,2,4\nRo,2\nlambda,1.1\n"
    "Sample 2,1,1,2,2\nRo,1\nlambda,1\n"
    "Sample 3,3,3,4,4\nRo,3\nlambda,1.2\n"
    "Ro mean,2\nRo variance,1\nRo SE,1\nRo,2\n"
    "lambda mean,1.1\nlambda variance,0.01\nlambda SE,0.1\nlambda,1.1\n";

TEST(BootstrapSexLines, TheFemaleAndMaleAdultCurvesFollowTheLettersOfTheHeader) {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  testing::InlineBackgroundWork background;
  script.inputAnswers = {"1"};
  script.chosenFiles = {dir.write("cohort.txt", MaleLineFirst)};
  ASSERT_TRUE(OpenDataFile(state, platform));
  ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);

  script.inputAnswers = {"1"};
  script.chosenFiles = {dir.write("samples.txt", Samples)};
  script.messageAnswers = {MessageAnswer::Yes};
  ASSERT_EQ(cmdBootstrap_Click(state, platform, background), BootstrapOutcome::Done);

  const auto meanLine = [&](const std::string& label) {
    const std::string text = testing::readFile(state.report.BaseFileName + "_22_Bootstrap-" + label +
                                               "-Normal density.txt");
    const std::size_t at = text.find("\"Mean of ");
    return at == std::string::npos ? std::string("<no curve>") : text.substr(at, text.find("\r\n", at) - at);
  };
  EXPECT_EQ(meanLine(" 3-Female Adult"), "\"Mean of  3-Female Adult:\",12,\"SE:\",2");
  EXPECT_EQ(meanLine(" 3-Male Adult"), "\"Mean of  3-Male Adult:\",5,\"SE:\",1");
  // All four adults: 34 / 4; replicates 8.5, 7, 10.
  EXPECT_EQ(meanLine(" 3-Adult"), "\"Mean of  3-Adult:\",8.5,\"SE:\",1.5");
}

}  // namespace
}  // namespace vorelan
