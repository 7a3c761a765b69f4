#include "resampling/frequency_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resampling/c0_frequency_classes.h"
#include "support/report_on_file.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::crlfLines;
using testing::readFile;

class FrequencyFiles : public ::testing::Test {
 protected:
  FrequencyFiles() {
    state.header.ProjectName = "Mites";
    state.header.ResearcherName = "Observer";
    state.header.ExperimentDate = "2015-06-01";
    state.report.BaseFileName = (dir.path() / "cohort").string();
  }
  std::string written(const char* suffix) { return readFile(state.report.BaseFileName + suffix); }

  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
};

std::string lines(const std::vector<std::string>& all) {
  std::string text;
  for (const std::string& line : all) text += line + "\r\n";
  return text;
}

TEST_F(FrequencyFiles, JackknifeFileOfTwentyOneEvenlySpreadPseudoValues) {
  std::vector<double> pseudo;
  for (int k = 1; k <= 21; ++k) pseudo.push_back(10.0 * k);
  classifyC0(state.jackknife.JackClasses, pseudo, C0ClassRule::Jackknife);
  state.header.NumIndividualsInFile = 21;
  state.header.NumIndividuals = 20;  // the working count after the last pass, not the cohort's
  WriteJackknifeFrequency(state, platform);

  std::vector<std::string> expected = {
      "\"Project: Mites\"",
      "\"User: Observer\"",
      "\"Date: 2015-06-01\"",
      "\"Total individual =21\"",
      "\"Net predation rate (Co)\"",
      "\"Max of pseudo-Co =\",210,\".  Min of pseudo-Co =\",10",
      "\"Sum of frequency of Co =\",21",
      "\"Class begin\",\"Class center\",\"Frequency\"",
  };
  for (int i = 0; i <= 21; ++i) {
    expected.push_back(std::to_string(10 * i + 10) + "," + std::to_string(10 * i + 15) + "," +
                       (i <= 20 ? "1" : "0"));
  }
  EXPECT_EQ(expected.size(), 30u);
  EXPECT_EQ(written(JackknifeFrequencySuffix), lines(expected));
  EXPECT_EQ(state.report.ResultFileName, state.report.BaseFileName + "_9_Fig_Jackknife-Co frequency.txt");
  EXPECT_EQ(state.report.OutFileSuffix, JackknifeFrequencySuffix);
  EXPECT_TRUE(script.boxes.empty());
}

TEST_F(FrequencyFiles, JackknifeClassBeginsBelowOneMillionthAreSetToZero) {
  classifyC0(state.jackknife.JackClasses, std::vector<double>{-1, 1}, C0ClassRule::Jackknife);
  WriteJackknifeFrequency(state, platform);
  const C0FrequencyClasses& classes = state.jackknife.JackClasses;
  for (int i = 0; i <= 10; ++i) EXPECT_EQ(classes.ClassBegin(i), 0) << i;
  EXPECT_GT(classes.ClassBegin(11), 0.09);
  const std::string text = written(JackknifeFrequencySuffix);
  EXPECT_NE(text.find("\r\n0,-0.95,1\r\n0,-0.85,0\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n0.1,0.15,0\r\n"), std::string::npos) << text;
}

TEST_F(FrequencyFiles, BootstrapFileOfTwoReplicates) {
  state.bootstrap.NumBootstrap = 2;
  state.bootstrap.BootSampleSize = 3;
  classifyC0(state.bootstrap.BootClasses, std::vector<double>{1, 3}, C0ClassRule::Bootstrap);
  WriteBootstrapFrequency(state, platform);

  std::vector<std::string> expected = {
      "\"Project: Mites\"",
      "\"User: Observer\"",
      "\"Date: 2015-06-01\"",
      "\"Bootstrap number =2\"",
      "\"Bootstrap sample size =3\"",
      "\"Total number of effective bootstrap =2\"",
      "\"Net predation rate (Co)\"",
      "\"Max of boot-Co =\",3,\".  Min of boot-Co =\",1",
      "\"Sum of frequency of Co =\",2",
      "2",
      "\"Class begin\",\"Class center\",\"Frequency\"",
  };
  // Begins 1, 1.1, ..., 3.1 and centres 0.05 above them.
  for (int i = 0; i <= 21; ++i) {
    const std::string whole = std::to_string(1 + i / 10);
    const std::string tenth = std::to_string(i % 10);
    const std::string begin = i % 10 == 0 ? whole : whole + "." + tenth;
    const std::string centre = whole + "." + tenth + "5";
    expected.push_back(begin + "," + centre + "," + (i == 0 || i == 20 ? "1" : "0"));
  }
  EXPECT_EQ(expected.size(), 33u);
  EXPECT_EQ(written(BootstrapFrequencySuffix), lines(expected));
  EXPECT_EQ(state.report.ResultFileName, state.report.BaseFileName + "_9_Bootstrap-Co frequency.txt");
}

TEST_F(FrequencyFiles, AFileThatCannotBeWrittenIsNamedToTheUser) {
  state.report.BaseFileName = (dir.path() / "no such folder" / "cohort").string();
  WriteJackknifeFrequency(state, platform);
  ASSERT_EQ(state.files.unwritten.size(), 1u);
  EXPECT_NE(state.files.unwritten[0].path.find("no such folder"), std::string::npos);
}

}  // namespace
}  // namespace vorelan
