// The fixed texts of the guidance windows: the example data file is one the
// program's reader accepts, and the texts keep their given pieces.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "datafile/data_file_checks.h"
#include "datafile/raw_data_reader.h"
#include "guidance/guidance_texts.h"
#include "guidance/introduction_texts.h"
#include "guidance/notice_texts.h"
#include "guidance/references.h"
#include "runs/handler_boundary.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

// The example as a whole file: its six records, the elided adult days of the
// first one written out as the explanation describes them.
std::string exampleAsFile() {
  std::array<std::string, 15> lines = exampleDataLines();
  lines[3] = " 6";
  const std::string elided = "2, ...,-1";
  lines[9].replace(lines[9].find(elided), elided.size(), "2,3,-1");
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

// Checks and reads a data file as Open and the Basic Run do; true when
// neither refused it.
bool readerAccepts(const std::string& path, AnalysisState& state) {
  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  state.report.DataFileName = path;
  state.files.file3.open((dir.path() / "report.txt").string());
  const bool read = runHandler(state, platform, [&] {
    CheckData2005(state, platform);
    InputData(state, platform);
  });
  state.files.closeAll();
  for (const testing::ShownBox& box : script.messages()) ADD_FAILURE() << box.title << ": " << box.text;
  return read && script.messages().empty();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
  return lines;
}

TEST(DataFormat, TheExampleIsAFileTheReaderAccepts) {
  testing::TempDir dir;
  AnalysisState state;
  ASSERT_TRUE(readerAccepts(dir.write("example.txt", exampleAsFile()), state));
  EXPECT_EQ(state.header.NumIndividuals, 6);
  EXPECT_EQ(state.header.NumStages, 4);
  EXPECT_EQ(state.header.ProjectName, "Project: Ladybird beetle, Harmonia axyridis, fed on aphids at 25 C");
  EXPECT_EQ(state.cohort.Sex(6), "N");
  // Individual no. 6 died after 4 days as a pupa, as the explanation says.
  EXPECT_EQ(state.cohort.StageDuration(6, 3), -4);
}

// The window says an example file comes with the program as example.txt:
// it is the window's example, whole, with all twenty individuals.
TEST(DataFormat, TheExampleThatComesWithTheProgramIsTheOneTheWindowShows) {
  const std::string path = std::string(VORELAN_EXAMPLES_DIR) + "/example.txt";
  const std::vector<std::string> file = linesOf(testing::readFile(path));
  const std::array<std::string, 15> shown = exampleDataLines();
  ASSERT_EQ(file.size(), 9u + 20u);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i == 9) continue;  // the first record, shown with its adult days elided
    EXPECT_EQ(" " + file[i], shown[i]) << "line " << i;
  }
  EXPECT_TRUE(file[9].starts_with(shown[9].substr(1, shown[9].find(" ...") - 1)));
  AnalysisState state;
  ASSERT_TRUE(readerAccepts(path, state));
  EXPECT_EQ(state.header.NumIndividuals, 20);
}

TEST(DataFormat, EveryLineOfTheExampleBeginsWithOneBlank) {
  for (const std::string& line : exampleDataLines()) {
    EXPECT_EQ(line.substr(0, 1), " ");
    EXPECT_NE(line.substr(1, 1), " ") << line;
  }
}

TEST(DataFormat, TheExplanationsOpenAndCloseWithTheirGivenPieces) {
  EXPECT_TRUE(descriptivePartExplanation().starts_with(
      "    The first part (the green part) of the datafile is descriptive data. The first line is the project. "
      "The second line is the username."));
  EXPECT_NE(descriptivePartExplanation().find("then enter \"L1, L4\". "), std::string::npos);
  EXPECT_TRUE(rawDataExplanation().ends_with(" using example.txt to get some experience."));
  EXPECT_NE(rawDataExplanation().find(exampleDataLines()[9]), std::string::npos);
  EXPECT_NE(rawDataExplanation().find(exampleDataLines()[14]), std::string::npos);
}

TEST(Introduction, TheStageNotesOpenWithTheirGivenSentences) {
  const auto notes = stageNotes();
  EXPECT_TRUE(notes[0].starts_with("   The eggs of the diamondback moth do not cause damage to the host plant. "));
  EXPECT_TRUE(notes[1].starts_with(
      "   The larvae of \"both sexes\" of the diamondback moth feed on the host plants. "));
  EXPECT_TRUE(notes[2].starts_with(
      "   The pupae do not feed on the host plant.  In other words, they do not need food. "));
  EXPECT_TRUE(notes[3].starts_with("   The adults of the diamondback moth do not feed on the host plant. "));
}

TEST(Introduction, TheEssayHasNoWordsRunTogether) {
  const std::string essay = introductionEssay();
  EXPECT_FALSE(std::regex_search(essay, std::regex("[a-z][.,:;][A-Za-z]"))) << essay;
  EXPECT_EQ(essay.find("  "), std::string::npos);
  EXPECT_NE(essay.find("Halvek"), std::string::npos);
  EXPECT_NE(essay.find("Vorelan"), std::string::npos);
}

TEST(References, EachNamesAuthorsYearTitleJournalVolumeAndPages) {
  ASSERT_LE(references().size(), 9u);
  const std::regex citation(R"(^[A-Z][^.]+\..* (19|20)\d\d\. .+\. .+ \d+: \d+-\d+\.$)");
  for (const std::string& reference : references()) EXPECT_TRUE(std::regex_match(reference, citation)) << reference;
}

TEST(Notice, TheCitationRequestAndThePlacesKeepTheirGivenWords) {
  EXPECT_TRUE(citationRequest().starts_with(
      "If you use this program in your research, please cite the following  reference in your paper:\n\n"));
  const std::string places = newVersionPlaces();
  EXPECT_TRUE(places.starts_with("You can get new version of this program at\n"));
  // Two places, each an address on its own line followed by who hosts it.
  const std::regex twoPlaces("^[^\n]+\nhttps://[^\n]+\n[^\n]+ or\nhttps://[^\n]+\n[^\n]+$");
  EXPECT_TRUE(std::regex_match(places, twoPlaces)) << places;
  EXPECT_EQ(noticeLines(2026).size(), 5u);
  EXPECT_EQ(noticeLines(2026).back(), "");
}

}  // namespace
}  // namespace vorelan
