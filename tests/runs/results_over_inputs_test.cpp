// A result never takes the place of a file the program reads: a result name
// that is a link to the data file, the distribution file, the sibling's
// samples file or the second treatment's file is refused with its reason and
// the input kept; a data file whose name looks like a temporary file
// survives its own Open.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "predation/finite_predation_rate_file.h"
#include "predation/five_predators_sasd.h"
#include "report/file_failure.h"
#include "runs/compare_two_bootstraps_run.h"
#include "runs/program_in_folder.h"
#include "runs/read_sasd.h"
#include "runs/three_samples_file.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::Folder;
using testing::Program;
using testing::readFile;

constexpr const char* OverAnInput = "(its name leads to a file the program reads as input, which is kept)";

// A box of the unwritten-file kind, naming `name` for the reason of a result over an input.
void expectRefusalNaming(const testing::ShownBox& box, const std::string& name) {
  testing::expectUnwrittenBoxNaming(box, name, OverAnInput);
}

// That box alone.
void expectOneRefusalNaming(const testing::ScriptedPlatform& script, const std::string& name) {
  const auto boxes = script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  expectRefusalNaming(boxes[0], name);
}

TEST(ResultOverTheDataFile, AFigureFileLinkedToItIsRefusedAndTheRecordsKept) {
  const Folder folder;
  const std::string records = readFile(folder.data);
  fs::create_symlink(testing::DataName, folder.dir.path() / "cohort_1_Fig_Cxj.txt");
  Program program;
  program.openAndRun(folder.data);
  EXPECT_EQ(readFile(folder.data), records);
  EXPECT_TRUE(fs::is_symlink(folder.dir.path() / "cohort_1_Fig_Cxj.txt"));
  expectOneRefusalNaming(program.script, "cohort_1_Fig_Cxj.txt");
  EXPECT_TRUE(program.state.files.wasWritten(program.state.report.ReportFileName));
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

TEST(ResultOverTheDataFile, AReportNameLinkedToItRefusesTheOpen) {
  const Folder folder;
  const std::string records = readFile(folder.data);
  fs::create_symlink(testing::DataName, folder.dir.path() / "cohort_0_Basic_Output.txt");
  Program program;
  EXPECT_FALSE(program.open(folder.data));
  EXPECT_EQ(readFile(folder.data), records);
  expectOneRefusalNaming(program.script, "cohort_0_Basic_Output.txt");
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

TEST(ResultOverTheDistributionFile, APredationFileLinkedToItIsRefusedAndTheDistributionKept) {
  const testing::TempDir dir;
  const std::string data = dir.write(testing::DataName, readFile(testing::fixturePath("five_predators.txt")));
  const std::string sasd = dir.write("sasd.txt", testing::SasdFileText{}.text());
  const std::string result = std::string("cohort") + FinitePredationRateSuffix;
  fs::create_symlink("sasd.txt", dir.path() / result);
  Program program;
  program.openAndRun(data);
  program.script.boxes.clear();
  program.script.chosenFiles = {sasd};
  EXPECT_TRUE(ReadDataFileForSASD2(program.state, program.platform));
  EXPECT_EQ(readFile(sasd), testing::SasdFileText{}.text());
  const auto boxes = program.script.messages();
  ASSERT_EQ(boxes.size(), 2u);  // the refusal, then the rates
  EXPECT_NE(boxes[0].text.find(OverAnInput), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("\n" + result + "\n"), std::string::npos) << boxes[0].text;
}

// ---- A file chosen in a step's dialog ---------------------------------------------

// A step that reads a file chosen in its dialog and then writes results, in
// the folder of the data file after its Basic Run: a result name of the step
// that is a link to the chosen file.
struct ChosenInput {
  const char* name;
  const char* file;  // chosen in the dialog
  const char* bytes;
  const char* result;  // linked to the file
  // Takes the step with the file; true when it went as it should all the
  // same, but for the refused result.
  bool (*step)(Program& program, const std::string& file);
};

void PrintTo(const ChosenInput& c, std::ostream* out) { *out << c.name; }

const ChosenInput ChosenInputs[] = {
    // A bootstrap of the sibling's samples, whose C0 column would take their place.
    {"TheSiblingsSamplesFile", "samples.txt", testing::SamplesFile, "cohort_4_Bootstrap_C0_in column.txt",
     [](Program& program, const std::string& file) {
       program.script.inputAnswers = {"1"};  // the same samples
       program.script.chosenFiles = {file};
       program.script.messageAnswers = {MessageAnswer::No};  // no density curves
       return cmdBootstrap_Click(program.state, program.platform, program.background) == BootstrapOutcome::Done;
     }},
    // C2B after a bootstrap, whose comparison would take the second treatment's place.
    {"TheSecondTreatmentsFile", "second.txt", "Prey B,u,d\r\nn,10\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n",
     "cohort_6-Compare2Bs-output.txt",
     [](Program& program, const std::string& file) {
       if (program.newSamplesBootstrap() != BootstrapOutcome::Done) return false;
       program.script.boxes.clear();
       program.script.chosenFiles = {file};
       // Its one file refused, the comparison is not kept.
       return !cmdCompare2boots_Click(program.state, program.platform) && !program.state.comparison.ComparisonDone;
     }},
};

class ResultOverAChosenInput : public ::testing::TestWithParam<ChosenInput> {};

TEST_P(ResultOverAChosenInput, IsRefusedAndTheInputKept) {
  const ChosenInput& c = GetParam();
  const Folder folder;
  const std::string file = folder.dir.write(c.file, c.bytes);
  fs::create_symlink(c.file, folder.dir.path() / c.result);
  Program program;
  program.openAndRun(folder.data);
  program.script.boxes.clear();
  EXPECT_TRUE(c.step(program, file));
  EXPECT_EQ(readFile(file), c.bytes);
  EXPECT_TRUE(fs::is_symlink(folder.dir.path() / c.result));
  const auto boxes = program.script.messages();
  ASSERT_FALSE(boxes.empty());
  expectRefusalNaming(boxes[0], c.result);  // then the step's own boxes, if any
  EXPECT_FALSE(folder.holdsTemporaryFiles());
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultOverAChosenInput, ::testing::ValuesIn(ChosenInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// The clean-up at Open removes what a killed run left, never the file
// being opened, whatever its name.
TEST(DataFileNamedLikeATemporaryFile, SurvivesItsOwnOpenAndIsAnalysed) {
  const testing::TempDir dir;
  const std::string records = readFile(testing::fixturePath("three_individuals.txt"));
  const std::string data = dir.write(".vorelan-0123456789abcdef.part", records);
  Program program;
  program.openAndRun(data);
  EXPECT_EQ(readFile(data), records);
  EXPECT_TRUE(program.script.messages().empty());
  EXPECT_TRUE(program.state.files.wasWritten(program.state.report.ReportFileName));
}

}  // namespace
}  // namespace vorelan
