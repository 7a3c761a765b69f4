#include "datafile/file_bytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/guarded_child.h"
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

// What is not a plain file is refused without waiting on it or reading from
// it, each for what it is.
TEST(ReadFileBytesWithCause, RefusesWhatIsNotAPlainFile) {
  const testing::TempDir folder;
  const std::string pipe = (folder.path() / "pipe.txt").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string socket = (folder.path() / "s.txt").string();
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socket.c_str(), socket.size() + 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const std::string linkToZero = (folder.path() / "zero.txt").string();
  std::filesystem::create_symlink("/dev/zero", linkToZero);
  const struct {
    std::string path;
    int error;
    std::string reason;
  } cases[] = {
      {pipe, NamedPipeNotFile, "it is a named pipe, not a plain file"},
      {"/dev/zero", DeviceNotFile, "it is a device, not a plain file"},
      {"/dev/null", DeviceNotFile, "it is a device, not a plain file"},
      {linkToZero, DeviceNotFile, "it is a device, not a plain file"},
      {socket, SocketNotFile, "it is a socket, not a plain file"},
  };
  for (const auto& c : cases) {
    // In a child with an alarm: a read that waits on the pipe for a writer
    // fails the test within seconds instead of holding up the run.
    const testing::GuardedOutcome outcome = testing::runGuarded([&c] {
      const FileBytesRead read = readFileBytesWithCause(c.path);
      return std::string(read.bytes ? "bytes" : "no bytes") + ", error " + std::to_string(read.error);
    });
    if (!outcome.finished) {
      ADD_FAILURE() << c.path << ": " << outcome.why;
      continue;
    }
    EXPECT_EQ(outcome.text, "no bytes, error " + std::to_string(c.error)) << c.path;
    EXPECT_EQ(unreadableReason(c.error), c.reason) << c.path;
  }
  ::close(listener);
  EXPECT_EQ(unreadableReason(OtherKindNotFile), "it is not a plain file");
}

bool opensForReading(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) ::close(fd);
  return fd >= 0;
}

// A block device (a disk) is told as a device like any other, whether it
// opens (the first loop device, where the machine has one and lets the test
// open it) or, with no driver of its number, not at all. Only root may make
// one, in its own folder.
TEST(ReadFileBytesWithCause, TellsABlockDeviceAsADevice) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a device";
  const testing::TempDir folder;
  const struct {
    const char* name;
    dev_t number;
  } disks[] = {{"loop.txt", makedev(7, 0)}, {"no driver.txt", makedev(240, 0)}};  // 240: kept for local use
  for (const auto& disk : disks) {
    const std::string path = (folder.path() / disk.name).string();
    if (::mknod(path.c_str(), S_IFBLK | 0600, disk.number) != 0) GTEST_SKIP() << "this system makes no device";
    // An absent loop device is not opened: that would attach one.
    const bool loop = disk.number == makedev(7, 0);
    if (loop && (!std::filesystem::exists("/sys/dev/block/7:0") || !opensForReading(path))) continue;
    const FileBytesRead read = readFileBytesWithCause(path);
    EXPECT_FALSE(read.bytes) << disk.name;
    EXPECT_EQ(read.error, DeviceNotFile) << disk.name;
    EXPECT_TRUE(std::filesystem::is_block_file(path)) << disk.name;
  }
}

// The cap is the program's own, in the reason; a file of the cap is read, one
// byte more is refused before it is read.
TEST(ReadFileBytesWithCause, RefusesAFileLargerThanTheCap) {
  EXPECT_EQ(MaxInputFileBytes, 704036928u);
  EXPECT_EQ(unreadableReason(EFBIG), "it is larger than any file the program can read (704,036,928 bytes at most)");
  const testing::TempDir folder;
  const std::string file = folder.write("a.txt", std::string(100, 'x'));
  EXPECT_EQ(readFileBytesWithCause(file, 100).bytes, std::optional<std::string>(std::string(100, 'x')));
  const FileBytesRead over = readFileBytesWithCause(file, 99);
  EXPECT_FALSE(over.bytes);
  EXPECT_EQ(over.error, EFBIG);
  // A sparse file one byte over the program's cap takes no memory to refuse.
  const std::string sparse = (folder.path() / "sparse.txt").string();
  const int fd = ::open(sparse.c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(MaxInputFileBytes + 1)), 0);
  ::close(fd);
  EXPECT_EQ(readFileBytesWithCause(sparse).error, EFBIG);
}

// A file that grows while it is read: more bytes come than its size told.
// The reading stops one byte past the cap, and the file is refused.
TEST(ReadOpenedFile, StopsOneBytePastTheCap) {
  const testing::TempDir folder;
  const std::string file = folder.write("grown.txt", std::string(1000, 'y'));
  for (const std::uintmax_t told : {0u, 10u, 100u, 500u}) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const FileBytesRead read = readOpenedFile(fd, told, 100);
    EXPECT_FALSE(read.bytes) << told;
    EXPECT_EQ(read.error, EFBIG) << told;
    EXPECT_EQ(::lseek(fd, 0, SEEK_CUR), 101) << told;
    ::close(fd);
  }
  // Up to the cap, all of it is read whatever the size told.
  for (const std::uintmax_t told : {0u, 10u, 999u, 1000u, 5000u}) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(readOpenedFile(fd, told, 1000).bytes, std::optional<std::string>(std::string(1000, 'y'))) << told;
    ::close(fd);
  }
  // From a stream without end of its own, no byte past the cap + 1 is taken.
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  ASSERT_EQ(::write(channel[1], std::string(1000, 'z').data(), 1000), 1000);
  EXPECT_EQ(readOpenedFile(channel[0], 0, 100).error, EFBIG);
  ::close(channel[1]);
  char rest[2000];
  EXPECT_EQ(::read(channel[0], rest, sizeof rest), 899);
  ::close(channel[0]);
}

}  // namespace
}  // namespace vorelan
