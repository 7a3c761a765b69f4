#include "resampling/bootstrap_samples_file.h"

#include <gtest/gtest.h>

#include "platform/program_termination.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;
using testing::TempDir;

// Three samples of a cohort of three, as the sibling program lays them out.
std::string samplesFile(const std::string& thirdSample = "\"Bootstrap 3\",3,3,1\r\n\"Ro\",1.5\r\n\"lambda\",1.04\r\n") {
  return "\"Halvek\",\"Project\",\"2026-01-01\"\r\n"
         "\"Number of bootstrap\",3\r\n"
         "\"Sample size\",3\r\n"
         "\"Bootstrap 1\",1,2,3\r\n\"Ro\",2\r\n\"lambda\",1.1\r\n"
         "\"Bootstrap 2\",2,2,1\r\n\"Ro\",3.5\r\n\"lambda\",1.2\r\n" +
         thirdSample +
         "\"Ro mean\",2.3,\"Ro variance\",0.6,\"Ro SE\",0.77,\"Ro\",2.1\r\n"
         "\"lambda mean\",1.11,\"lambda variance\",0.004,\"lambda SE\",0.06,\"lambda\",1.09\r\n"
         "anything after is not read,";
}

std::variant<BootstrapSamples, SamplesFileFault> parse(const std::string& text, int cohortSize = 3) {
  FieldReader reader(text);
  return parseBootstrapSamples(reader, cohortSize);
}

std::string faultOf(const std::string& text, int cohortSize = 3) {
  const auto reading = parse(text, cohortSize);
  if (!std::holds_alternative<SamplesFileFault>(reading)) return "(accepted)";
  return std::get<SamplesFileFault>(reading).message;
}

TEST(BootstrapSamplesFile, ReadsEverySampleWithItsRoAndLambdaAndTheStatistics) {
  const auto reading = parse(samplesFile());
  ASSERT_TRUE(std::holds_alternative<BootstrapSamples>(reading));
  const BootstrapSamples& samples = std::get<BootstrapSamples>(reading);
  EXPECT_EQ(samples.replicates, 3);
  EXPECT_EQ(samples.sampleSize, 3);
  EXPECT_EQ(samples.individuals(2, 1), 2);
  EXPECT_EQ(samples.individuals(2, 3), 1);
  EXPECT_EQ(samples.individuals(3, 1), 3);
  EXPECT_EQ(samples.r0(2), 3.5);
  EXPECT_EQ(samples.lambda(3), 1.04);
  EXPECT_EQ(samples.r0Mean, 2.3);
  EXPECT_EQ(samples.origR0, 2.1);
  EXPECT_EQ(samples.lambdaVar, 0.004);
  EXPECT_EQ(samples.origLambda, 1.09);
}

TEST(BootstrapSamplesFile, TakingTheSamplesMakesASameSamplesRun) {
  auto reading = parse(samplesFile());
  AnalysisState state;
  takeBootstrapSamples(state, std::move(std::get<BootstrapSamples>(reading)));
  const BootstrapState& boot = state.bootstrap;
  EXPECT_EQ(boot.SameBootSamples, "Yes");
  EXPECT_EQ(boot.NumBootstrap, 3);
  EXPECT_EQ(boot.BootSampleSize, 3);
  EXPECT_EQ(boot.SameBootSample(2, 2), 2);
  EXPECT_EQ(boot.BootLambda(1), 1.1);
  EXPECT_EQ(boot.BootR0(3), 1.5);
  EXPECT_EQ(boot.SamplesLambdaMean, 1.11);
  EXPECT_EQ(boot.OrigR0, 2.1);
}

TEST(BootstrapSamplesFile, AFaultyFileIsRefusedNamingTheSampleAndTheFault) {
  const std::string head = "\"Halvek\",\"Project\",\"2026-01-01\"\r\n\"Number of bootstrap\",";
  const struct {
    std::string text;
    int cohortSize;
    std::string message;
  } cases[] = {
      {samplesFile("\"Bootstrap 3\",3,x,1\r\n\"Ro\",1.5\r\n\"lambda\",1.04\r\n"), 3,
       "In the bootstrap samples file, sample no. 3, position 2, \"x\", is not a whole number."},
      {samplesFile("\"Bootstrap 3\",3,1.5,1\r\n\"Ro\",1.5\r\n\"lambda\",1.04\r\n"), 3,
       "In the bootstrap samples file, sample no. 3, position 2, \"1.5\", is not a whole number."},
      {samplesFile("\"Bootstrap 3\",3,4,1\r\n\"Ro\",1.5\r\n\"lambda\",1.04\r\n"), 3,
       "In the bootstrap samples file, sample no. 3, position 2 names individual no. 4; the cohort has "
       "individuals 1 to 3."},
      {samplesFile("\"Bootstrap 3\",0,1,1\r\n\"Ro\",1.5\r\n\"lambda\",1.04\r\n"), 3,
       "In the bootstrap samples file, sample no. 3, position 1 names individual no. 0; the cohort has "
       "individuals 1 to 3."},
      {samplesFile("\"Bootstrap 3\",3,3,1\r\n\"Ro\",many\r\n\"lambda\",1.04\r\n"), 3,
       "In the bootstrap samples file, the Ro of sample no. 3, \"many\", is not a number."},
      {samplesFile("\"Bootstrap 3\",3,3,1\r\n\"Ro\",1.5\r\n\"lambda\",0\r\n"), 3,
       "In the bootstrap samples file, the lambda of sample no. 3 is 0; a finite rate of increase must be "
       "above 0."},
      {samplesFile("\"Bootstrap 3\",3,3,1\r\n\"Ro\",1.5\r\n\"lambda\",-0.5\r\n"), 3,
       "In the bootstrap samples file, the lambda of sample no. 3 is -0.5; a finite rate of increase must "
       "be above 0."},
      {samplesFile().substr(0, samplesFile().find("\"Bootstrap 3\"")) + "\"Bootstrap 3\",3,3", 3,
       "The bootstrap samples file ends before sample no. 3, position 3."},
      {samplesFile().substr(0, samplesFile().find("\"lambda SE\"")), 3,
       "The bootstrap samples file ends before the label before the lambda standard error."},
      {head + "1\r\n\"n\",3\r\n", 3, "The bootstrap samples file holds 1 samples; it must hold from 2 to 200010 samples."},
      {head + "200011\r\n\"n\",3\r\n", 3,
       "The bootstrap samples file holds 200011 samples; it must hold from 2 to 200010 samples."},
      {head + "many\r\n", 3, "In the bootstrap samples file, the number of samples B, \"many\", is not a whole number."},
      {samplesFile(), 4,
       "The samples of the bootstrap samples file hold 3 individuals each, but the cohort has 4; the file "
       "must be the one written for this data file."},
      {"\"Halvek\"", 3, "The bootstrap samples file ends before the three title fields."},
  };
  for (const auto& c : cases) EXPECT_EQ(faultOf(c.text, c.cohortSize), c.message);
}

TEST(BootstrapSamplesFile, ASampleWithRoZeroEndsTheProgramWithItsMessage) {
  const auto reading = parse(samplesFile("\"Bootstrap 3\",3,3,1\r\n\"Ro\",0\r\n\"lambda\",1.04\r\n"));
  ASSERT_TRUE(std::holds_alternative<SamplesFileFault>(reading));
  const SamplesFileFault& fault = std::get<SamplesFileFault>(reading);
  EXPECT_TRUE(fault.endsProgram);
  EXPECT_EQ(fault.message,
            "Bootstrap no. 3.  Ro = 0.  Please reanalyze your life table and make sure all bootstrap samples "
            "are effective.");

  TempDir dir;
  const std::string path = dir.write("samples.txt", samplesFile("\"Bootstrap 3\",3,3,1\r\n\"Ro\",0\r\n\"lambda\",1\r\n"));
  ScriptedPlatform script;
  Platform platform = script.platform();
  EXPECT_THROW(readBootstrapSamplesFile(path, 3, platform), ProgramTermination);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Bootstrap Ro = 0");
}

TEST(BootstrapSamplesFile, AFileThatIsRefusedOrMissingIsNamedInAMessageAndGivesNothing) {
  TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  const std::string path = dir.write("samples.txt", samplesFile());
  EXPECT_FALSE(readBootstrapSamplesFile(path, 5, platform));
  EXPECT_FALSE(readBootstrapSamplesFile((dir.path() / "missing.txt").string(), 3, platform));
  ASSERT_EQ(script.messages().size(), 2u);
  EXPECT_EQ(script.messages()[0].title, "Bootstrap samples file");
  EXPECT_EQ(script.messages()[1].text, "The bootstrap samples file " + (dir.path() / "missing.txt").string() +
                                           " cannot be read: it does not exist.");
  const auto samples = readBootstrapSamplesFile(path, 3, platform);
  ASSERT_TRUE(samples);
  EXPECT_EQ(samples->replicates, 3);
}

}  // namespace
}  // namespace vorelan
