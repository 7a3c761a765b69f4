// A result's name changed by the user while its file is written (a link of
// the user's own planted, re-pointed or removed) keeps whatever the name
// leads to now, and the refusal says what happened to the name: no folder
// moved.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/replaced_file.h"
#include "report/file_failure.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;

// The data file's folder, where the result's name stands, and a second
// folder of the user's with a file of its own.
struct Folders {
  TempDir data;
  TempDir other;
  fs::path result = data.path() / "out.txt";
  std::string othersFile = other.write("out.txt", "the other folder's");

  void linkResultTo(const fs::path& leadsTo) const {
    fs::remove(result);
    fs::create_symlink(leadsTo, result);
  }
};

struct NameChange {
  const char* label;
  bool beganAsLinkToTheOtherFolder;  // else as a plain file
  void (*change)(const Folders&);
  int error;
};

void PrintTo(const NameChange& c, std::ostream* out) { *out << c.label; }

const NameChange NameChanges[] = {
    {"SwappedForALinkToAFileInAnotherFolder", false,
     [](const Folders& f) { f.linkResultTo(f.othersFile); }, NameLeadsElsewhere},
    {"ALinkToAnotherFolderRemoved", true, [](const Folders& f) { fs::remove(f.result); }, NameLeadsElsewhere},
    {"SwappedForALinkToNoFileBesideIt", false, [](const Folders& f) { f.linkResultTo("gone.txt"); },
     LinkLeadsNowhere},
    {"SwappedForALinkToNoFileInAnotherFolder", false,
     [](const Folders& f) { f.linkResultTo(f.other.path() / "gone.txt"); }, LinkLeadsNowhere},
    {"SwappedForALinkIntoAFolderThatIsNotThere", false,
     [](const Folders& f) { f.linkResultTo("gone/out.txt"); }, LinkLeadsNowhere},
};

class NameChangedWhileWritten : public ::testing::TestWithParam<NameChange> {};

TEST_P(NameChangedWhileWritten, KeepsWhatTheNameLeadsToAndSaysSo) {
  const NameChange& c = GetParam();
  const Folders f;
  if (c.beganAsLinkToTheOtherFolder) {
    fs::create_symlink(f.othersFile, f.result);
  } else {
    f.data.write("out.txt", "earlier");
  }
  ReplacedFile file;
  ASSERT_TRUE(file.open(f.result.string()));
  file.write("new", 3);
  c.change(f);

  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.error(), c.error);
  EXPECT_EQ(readFile(f.othersFile), "the other folder's");
  // Nothing was made where a link to nothing points, nor left behind.
  for (const TempDir* folder : {&f.data, &f.other}) {
    for (const auto& entry : fs::directory_iterator(folder->path())) {
      EXPECT_EQ(entry.path().filename(), "out.txt") << entry.path();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NameChangedWhileWritten, ::testing::ValuesIn(NameChanges),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(NameChangedWhileWritten, IsToldInPlainWords) {
  EXPECT_EQ(unwrittenReason(NameLeadsElsewhere), "its name now leads elsewhere than when the file was begun");
  EXPECT_EQ(unwrittenReason(LinkLeadsNowhere), "its name is a link that leads to no file");
}

}  // namespace
}  // namespace vorelan
