#include "datafile/file_bytes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "support/temp_dir.h"

namespace vorelan {
namespace {

// Each way a file fails to be read gives no bytes and its own cause.
TEST(ReadFileBytesWithCause, TellsWhyAFileCannotBeRead) {
  const testing::TempDir folder;
  const std::string file = folder.write("a.txt", "1,2\r\n");
  const struct {
    std::string path;
    int error;
    std::string reason;
  } cases[] = {
      {folder.path().string(), EISDIR, "it is a folder, not a file"},
      {(folder.path() / "missing.txt").string(), ENOENT, "it does not exist"},
      {file + "/b.txt", ENOTDIR, "a part of its path is not a folder"},
      // Opens, but its first bytes are at an address no process maps.
      {"/proc/self/mem", EIO, "it cannot be read: the disk or network folder it is on failed"},
  };
  for (const auto& c : cases) {
    const FileBytesRead read = readFileBytesWithCause(c.path);
    EXPECT_FALSE(read.bytes) << c.path;
    EXPECT_EQ(read.error, c.error) << c.path;
    EXPECT_EQ(unreadableReason(read.error), c.reason) << c.path;
    EXPECT_FALSE(readFileBytes(c.path)) << c.path;
  }
  const FileBytesRead read = readFileBytesWithCause(file);
  EXPECT_EQ(read.bytes, std::optional<std::string>("1,2\r\n"));
  EXPECT_EQ(read.error, 0);
}

}  // namespace
}  // namespace vorelan
