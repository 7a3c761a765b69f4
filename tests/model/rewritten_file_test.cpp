#include "model/rewritten_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "model/open_files.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::readFile;
using testing::TempDir;

void writeAll(RewrittenFile& file, const std::string& text) { file.write(text.data(), text.size()); }

struct Replacement {
  const char* name;
  const char* before;  // nullptr: no file of the name yet
  const char* after;
};

class RewrittenFileReplaces : public ::testing::TestWithParam<Replacement> {};

// Whatever stood there before, the file holds exactly the new text.
TEST_P(RewrittenFileReplaces, AnEarlierFileByExactlyWhatWasWritten) {
  const Replacement& c = GetParam();
  const TempDir folder;
  const std::string path = (folder.path() / "out.txt").string();
  if (c.before != nullptr) folder.write("out.txt", c.before);
  RewrittenFile file;
  ASSERT_TRUE(file.open(path));
  writeAll(file, c.after);
  EXPECT_TRUE(file.close());
  EXPECT_EQ(readFile(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RewrittenFileReplaces,
    ::testing::Values(Replacement{"NoEarlierFile", nullptr, "new\r\n"},
                      Replacement{"LongerEarlierFile", "an earlier and much longer text\r\n1\r\n2\r\n", "new\r\n"},
                      Replacement{"ShorterEarlierFile", "old", "a longer new text\r\n"},
                      Replacement{"EqualLength", "old\r\n", "new\r\n"},
                      Replacement{"NothingWritten", "old text\r\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RewrittenFile, RefusesAFolder) {
  const TempDir folder;
  RewrittenFile file;
  EXPECT_FALSE(file.open(folder.path().string()));
  EXPECT_FALSE(file.isOpen());
}

// A file reached through a link is written where the link points, and the
// link stays a link.
TEST(RewrittenFile, WritesThroughALink) {
  const TempDir folder;
  const std::string target = folder.write("target.txt", "an earlier, longer text");
  const auto link = folder.path() / "link.txt";
  std::filesystem::create_symlink(target, link);
  RewrittenFile file;
  ASSERT_TRUE(file.open(link.string()));
  writeAll(file, "new");
  EXPECT_TRUE(file.close());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFile(target), "new");
}

// Left without close() (an exception leaving the writer), or handed on to
// another owner, the file still holds only what was written.
TEST(RewrittenFile, IsCutByWhoeverOwnsItLast) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "an earlier, longer text");
  {
    RewrittenFile first;
    ASSERT_TRUE(first.open(path));
    writeAll(first, "new");
    RewrittenFile second(std::move(first));
    writeAll(second, "er");
  }
  EXPECT_EQ(readFile(path), "newer");
}

// The text files of the report keep what they wrote when reopened for a
// shorter text: nothing of the earlier run is left at the end.
TEST(TextOutputFileRewrite, ASecondRunsShorterReportLeavesNothingOfTheFirst) {
  const TempDir folder;
  const std::string path = (folder.path() / "report.txt").string();
  TextOutputFile out;
  ASSERT_TRUE(out.open(path));
  out.write(std::string(200000, 'x') + "\r\n");
  ASSERT_TRUE(out.close());
  ASSERT_TRUE(out.open(path));
  out.write("short\r\n");
  ASSERT_TRUE(out.close());
  EXPECT_EQ(readFile(path), "short\r\n");
}

}  // namespace
}  // namespace vorelan
