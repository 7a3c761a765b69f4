// Every result of a run is named after the data file and stands in its folder,
// whatever the length of the data file's name: only the name's own last four
// characters are cut, and a name of four or fewer is kept whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "runs/program_in_folder.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::Program;
using testing::readFile;
using testing::TempDir;

struct NameCase {
  const char* label;
  const char* dataName;
  const char* prefix;  // of every result's name
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.label; }

const NameCase NameCases[] = {
    {"OneCharacter", "a", "a"},
    {"ThreeCharacters", "abc", "abc"},
    {"FourCharacters", "mite", "mite"},
    {"FiveCharacters", "mites", "m"},
    {"FourCharactersWithTxt", "mite.txt", "mite"},
    {"SixCharactersWithTxt", "cohort.txt", "cohort"},
    // Four letters in five bytes: a count of bytes would cut the name.
    {"FourCharactersOneOutsideAscii", "k\xC3\xA4" "fe", "k\xC3\xA4" "fe"},
    {"FiveCharactersOneOutsideAscii", "k\xC3\xA4" "fer", "k"},
    {"OutsideAsciiWithTxt", "k\xC3\xA4" "fer.txt", "k\xC3\xA4" "fer"},
};

// What a name of the folder's own would turn into, were the cut to reach it.
constexpr const char* FolderName = "proj";
constexpr const char* BesideTheFolder = "proj_0_Basic_Output.txt";
constexpr const char* AnotherAnalysis = "the results of another analysis";

class DataFileNamePrefix : public ::testing::TestWithParam<NameCase> {};

TEST_P(DataFileNamePrefix, KeepsEveryResultInTheDataFilesFolder) {
  const NameCase& c = GetParam();
  const TempDir parent;
  const fs::path folder = parent.path() / FolderName;
  fs::create_directory(folder);
  const std::string besideTheFolder = parent.write(BesideTheFolder, AnotherAnalysis);
  const fs::path data = folder / c.dataName;
  fs::copy_file(testing::fixturePath("three_individuals.txt"), data);

  Program program;
  program.openAndRun(data.string());
  ASSERT_EQ(program.newSamplesBootstrap(), BootstrapOutcome::Done);

  EXPECT_EQ(program.state.report.BaseFileName, (folder / c.prefix).string());
  EXPECT_TRUE(fs::exists(folder / (std::string(c.prefix) + "_0_Basic_Output.txt")));
  EXPECT_TRUE(fs::exists(folder / (std::string(c.prefix) + "_0_Bootstrap_Output.txt")));
  std::set<std::string> outside;
  for (const auto& entry : fs::directory_iterator(parent.path())) outside.insert(entry.path().filename().string());
  EXPECT_EQ(outside, (std::set<std::string>{FolderName, BesideTheFolder}));
  EXPECT_EQ(readFile(besideTheFolder), AnotherAnalysis);
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name == c.dataName) continue;
    EXPECT_EQ(name.rfind(std::string(c.prefix) + "_", 0), 0u) << name;
  }
  for (const std::string& written : program.state.files.written) {
    EXPECT_EQ(fs::path(written).parent_path(), folder) << written;
  }
}

INSTANTIATE_TEST_SUITE_P(Names, DataFileNamePrefix, ::testing::ValuesIn(NameCases),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vorelan
