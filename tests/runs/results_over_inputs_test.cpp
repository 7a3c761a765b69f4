// A result never takes the place of a file the program reads: a result name
// that is a link to the data file or to the distribution file is refused
// with its reason and the input kept; a data file whose name looks like a
// temporary file survives its own Open.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "predation/finite_predation_rate_file.h"
#include "predation/five_predators_sasd.h"
#include "report/file_failure.h"
#include "runs/program_in_folder.h"
#include "runs/read_sasd.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::Folder;
using testing::Program;
using testing::readFile;

constexpr const char* OverAnInput = "(its name leads to a file the program reads as input, which is kept)";

// One box of the unwritten-file kind, naming `name` for the reason of a result over an input.
void expectOneRefusalNaming(const testing::ScriptedPlatform& script, const std::string& name) {
  const auto boxes = script.messages();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  EXPECT_NE(boxes[0].text.find(OverAnInput), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("\n" + name + "\n"), std::string::npos) << boxes[0].text;
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
