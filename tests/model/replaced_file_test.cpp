#include "model/replaced_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/text_output_file.h"
#include "support/own_device.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;

// The names in the folder.
std::vector<std::string> namesIn(const TempDir& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().string());
  return names;
}

// A disk that takes `room` bytes of each file and then fails as a full one.
WriteFault fullAfter(std::uintmax_t room) {
  return [room](const std::string&, std::uintmax_t offset, std::size_t& size) {
    if (offset + size <= room) return 0;
    size = offset < room ? static_cast<std::size_t>(room - offset) : 0;
    return ENOSPC;
  };
}

struct Replacement {
  const char* name;
  const char* before;  // nullptr: no file of the name yet
  const char* after;
};

void PrintTo(const Replacement& c, std::ostream* out) { *out << c.name; }

class ReplacedFileReplaces : public ::testing::TestWithParam<Replacement> {};

// Whatever stood there before, the file holds exactly the new text, and
// nothing else is left in the folder.
TEST_P(ReplacedFileReplaces, AnEarlierFileByExactlyWhatWasWritten) {
  const Replacement& c = GetParam();
  const TempDir folder;
  const std::string path = (folder.path() / "out.txt").string();
  if (c.before != nullptr) folder.write("out.txt", c.before);
  ReplacedFile file;
  ASSERT_TRUE(file.open(path));
  file.write(c.after, std::string(c.after).size());
  EXPECT_TRUE(file.commit());
  EXPECT_EQ(readFile(path), c.after);
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"out.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplacedFileReplaces,
    ::testing::Values(Replacement{"NoEarlierFile", nullptr, "new\r\n"},
                      Replacement{"LongerEarlierFile", "an earlier and much longer text\r\n1\r\n2\r\n", "new\r\n"},
                      Replacement{"ShorterEarlierFile", "old", "a longer new text\r\n"},
                      Replacement{"NothingWritten", "old text\r\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// While it is written, the earlier file stands as it was: a program killed
// now would leave it so.
TEST(ReplacedFile, TheEarlierFileStandsUntilTheNewOneIsCommitted) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier result");
  ReplacedFile file;
  ASSERT_TRUE(file.open(path));
  file.write("new", 3);
  EXPECT_EQ(readFile(path), "earlier result");
  ASSERT_EQ(namesIn(folder).size(), 2u);
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(readFile(path), "new");
}

// Given up on any path (discard, an exception that leaves the writer, an
// owner that goes without committing), the earlier file stays and no
// temporary file is left.
TEST(ReplacedFile, AFileNotCommittedLeavesTheEarlierOneAndNothingBehind) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier result");
  {
    ReplacedFile discarded;
    ASSERT_TRUE(discarded.open(path));
    discarded.write("half", 4);
    discarded.discard();
  }
  try {
    TextOutputFile out;
    ASSERT_TRUE(out.open(path));
    out.write(std::string(300000, 'x'));  // more than one buffer reaches the disk
    throw std::runtime_error("a fault in the middle of a table");
  } catch (const std::runtime_error&) {
  }
  {
    ReplacedFile first;
    ASSERT_TRUE(first.open(path));
    ReplacedFile second(std::move(first));
    second.write("moved", 5);
  }
  EXPECT_EQ(readFile(path), "earlier result");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"out.txt"});
}

TEST(ReplacedFile, AMovedFileIsCommittedByItsLastOwner) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "an earlier, longer text");
  ReplacedFile first;
  ASSERT_TRUE(first.open(path));
  first.write("new", 3);
  ReplacedFile second(std::move(first));
  second.write("er", 2);
  EXPECT_TRUE(second.commit());
  EXPECT_EQ(readFile(path), "newer");
}

struct FailingDisk {
  const char* name;
  std::uintmax_t room;  // bytes the disk takes before it is full
};

void PrintTo(const FailingDisk& c, std::ostream* out) { *out << c.name; }

class TextOutputFileOnAFullDisk : public ::testing::TestWithParam<FailingDisk> {};

// A disk that fails after k bytes: the close says so with its reason, and
// the earlier file is exactly as it was, with nothing left beside it.
TEST_P(TextOutputFileOnAFullDisk, KeepsTheEarlierFile) {
  const TempDir folder;
  const std::string path = folder.write("report.txt", "the earlier report\r\n");
  const WriteFault fault = fullAfter(GetParam().room);
  TextOutputFile out;
  ASSERT_TRUE(out.open(path, &fault));
  for (int line = 0; line < 20000; ++line) out.write("a line of the report\r\n");
  EXPECT_FALSE(out.close());
  EXPECT_EQ(out.error(), ENOSPC);
  EXPECT_EQ(readFile(path), "the earlier report\r\n");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"report.txt"});
}

INSTANTIATE_TEST_SUITE_P(Cases, TextOutputFileOnAFullDisk,
                         ::testing::Values(FailingDisk{"AtOnce", 0}, FailingDisk{"InTheFirstPiece", 100},
                                           FailingDisk{"InALaterPiece", 200000},
                                           FailingDisk{"AtTheLastByte", 20000 * 22 - 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file reached through a link is replaced where the link points, and the
// link stays a link.
TEST(ReplacedFile, ReplacesThroughALink) {
  const TempDir folder;
  const std::string target = folder.write("target.txt", "an earlier, longer text");
  const auto link = folder.path() / "link.txt";
  fs::create_symlink(target, link);
  ReplacedFile file;
  ASSERT_TRUE(file.open(link.string()));
  file.write("new", 3);
  EXPECT_TRUE(file.commit());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readFile(target), "new");
}

TEST(ReplacedFile, KeepsThePermissionsOfTheEarlierFile) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier");
  const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, chosen);
  ReplacedFile file;
  ASSERT_TRUE(file.open(path));
  file.write("new", 3);
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(fs::status(path).permissions(), chosen);
}

// What is not a plain, writable file is not replaced, whoever runs the program.
// The device is the test's own (a named pipe for a user who may make none).
TEST(ReplacedFile, RefusesWhatItMayNotReplace) {
  const TempDir folder;
  const std::string readOnly = folder.write("protected.txt", "kept");
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
  const fs::path device = folder.path() / "null";
  ASSERT_TRUE(testing::makeDeviceOrPipe(device, "/dev/null"));
  const fs::file_type deviceKind = fs::symlink_status(device).type();
  const struct {
    std::string path;
    int error;
  } cases[] = {{folder.path().string(), EISDIR},
               {readOnly, EACCES},
               {(folder.path() / "no such folder" / "out.txt").string(), ENOENT},
               {device.string(), NotAPlainFile}};
  for (const auto& c : cases) {
    ReplacedFile file;
    EXPECT_FALSE(file.open(c.path)) << c.path;
    EXPECT_EQ(file.error(), c.error) << c.path;
    EXPECT_FALSE(file.commit()) << c.path;
  }
  EXPECT_EQ(readFile(readOnly), "kept");
  EXPECT_EQ(fs::symlink_status(device).type(), deviceKind);
  EXPECT_NE(deviceKind, fs::file_type::regular);
}

// A killed run's temporary files go; every other file stays.
TEST(ReplacedFile, LeftTemporaryFilesAreRemovedAndNothingElse) {
  const TempDir folder;
  folder.write(".vorelan-0123456789abcdef.part", "left by a killed run");
  const std::vector<std::string> kept = {"cohort.txt", "cohort_0_Basic_Output.txt", ".vorelan-notours.part",
                                         "vorelan-0123456789abcdef.part"};
  for (const std::string& name : kept) folder.write(name, "the user's");
  removeLeftTemporaryFiles(folder.path());
  std::vector<std::string> names = namesIn(folder);
  std::sort(names.begin(), names.end());
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace vorelan
