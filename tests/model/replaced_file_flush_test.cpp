// What reaches the disk, and when, as the system itself is asked: this
// executable stands in for fdatasync, fsync and renameat, noting each call
// and failing a flush on demand, so that a flush or a folder's sync left out
// or moved shows, which a fault hook inside the program cannot tell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "model/folder_contents.h"
#include "model/replaced_file.h"
#include "model/replacement_batch.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

enum class Call { FlushFile, SyncFolder, Rename };

struct Noted {
  Call call;
  FileIdentity what;    // the file flushed or renamed, or the folder synced
  FileIdentity folder;  // of a rename
};

struct Calls {
  bool noting = false;
  int flushesToFail = 0;  // the next ones fail with EIO
  std::vector<Noted> noted;
};

Calls& calls() {
  static Calls all;
  return all;
}

FileIdentity identityIn(const struct stat& status) { return {status.st_dev, status.st_ino}; }

template <typename Function>
Function real(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace
}  // namespace vorelan

using vorelan::Call;
using vorelan::calls;
using vorelan::identityIn;

extern "C" int fdatasync(int fd) {
  static const auto next = vorelan::real<int (*)(int)>("fdatasync");
  struct stat status{};
  if (calls().noting && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    if (calls().flushesToFail > 0) {
      --calls().flushesToFail;
      errno = EIO;
      return -1;
    }
    calls().noted.push_back({Call::FlushFile, identityIn(status), {}});
  }
  return next(fd);
}

extern "C" int fsync(int fd) {
  static const auto next = vorelan::real<int (*)(int)>("fsync");
  struct stat status{};
  if (calls().noting && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    calls().noted.push_back({Call::SyncFolder, identityIn(status), {}});
  }
  return next(fd);
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) noexcept {
  static const auto next = vorelan::real<int (*)(int, const char*, int, const char*)>("renameat");
  struct stat file{};
  struct stat folder{};
  const bool seen = calls().noting && ::fstatat(fromFolder, from, &file, AT_SYMLINK_NOFOLLOW) == 0 &&
                    ::fstat(toFolder, &folder) == 0;
  const int result = next(fromFolder, from, toFolder, to);
  if (seen && result == 0) calls().noted.push_back({Call::Rename, identityIn(file), identityIn(folder)});
  return result;
}

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::temporaryFilesIn;
using testing::TempDir;

class ReachingTheDisk : public ::testing::Test {
 protected:
  void SetUp() override { calls() = Calls{true, 0, {}}; }
  void TearDown() override { calls() = Calls{}; }

  static FileIdentity identityAt(const fs::path& path) {
    struct stat status{};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return identityIn(status);
  }

  // Where in the calls noted the call `call` of `what` stands; each must be
  // there once.
  static std::size_t placeOf(Call call, const FileIdentity& what) {
    const std::vector<Noted>& noted = calls().noted;
    const auto matches = [&](const Noted& n) { return n.call == call && n.what == what; };
    EXPECT_EQ(std::count_if(noted.begin(), noted.end(), matches), 1);
    return static_cast<std::size_t>(std::find_if(noted.begin(), noted.end(), matches) - noted.begin());
  }

  // Each file was flushed before its rename, and its folder synced once,
  // after the last rename there.
  static void expectFlushedRenamedAndSynced(const std::vector<fs::path>& placed) {
    for (const fs::path& path : placed) {
      const FileIdentity file = identityAt(path);
      const FileIdentity folder = identityAt(path.parent_path());
      const std::size_t renamed = placeOf(Call::Rename, file);
      EXPECT_LT(placeOf(Call::FlushFile, file), renamed) << path;
      ASSERT_LT(renamed, calls().noted.size()) << path;
      EXPECT_EQ(calls().noted[renamed].folder, folder) << path;
      EXPECT_GT(placeOf(Call::SyncFolder, folder), renamed) << path;
    }
  }

  static std::string earlierFile(const TempDir& folder, const char* name) {
    return folder.write(name, std::string("earlier ") + name);
  }
};

TEST_F(ReachingTheDisk, AFileIsFlushedBeforeItsRenameAndItsFolderSyncedAfter) {
  const TempDir folder;
  const std::string path = earlierFile(folder, "out.txt");
  EXPECT_EQ(testing::replace(path), 0);
  EXPECT_EQ(readFile(path), "new");
  expectFlushedRenamedAndSynced({path});
}

// Two folders of two files each: every file on its way to the disk before
// any rename, each folder synced once.
TEST_F(ReachingTheDisk, ABatchSyncsEachFolderOnceAfterItsRenames) {
  const TempDir first;
  const TempDir second;
  const std::vector<fs::path> paths = {earlierFile(first, "a.txt"), earlierFile(second, "b.txt"), earlierFile(first, "c.txt"),
                                       earlierFile(second, "d.txt")};
  ReplacementBatch batch;
  for (const fs::path& path : paths) {
    ReplacedFile file;
    ASSERT_TRUE(file.open(path.string()));
    file.write("new", 3);
    batch.add(std::move(file));
  }
  EXPECT_EQ(batch.placeAll().placed.size(), paths.size());
  expectFlushedRenamedAndSynced(paths);
  const auto syncs = std::count_if(calls().noted.begin(), calls().noted.end(),
                                   [](const Noted& n) { return n.call == Call::SyncFolder; });
  EXPECT_EQ(syncs, 2);
}

// The disk took every write and fails at the flush: the file is not put in
// place, alone or in a batch, and the failure is told.
TEST_F(ReachingTheDisk, AFailedFlushKeepsTheEarlierFile) {
  const TempDir folder;
  const std::string alone = earlierFile(folder, "alone.txt");
  calls().flushesToFail = 1;
  EXPECT_EQ(testing::replace(alone), EIO);
  EXPECT_EQ(readFile(alone), "earlier alone.txt");

  const std::string failing = earlierFile(folder, "failing.txt");
  const std::string other = earlierFile(folder, "other.txt");
  ReplacementBatch batch;
  for (const std::string& path : {failing, other}) {
    ReplacedFile file;
    ASSERT_TRUE(file.open(path));
    file.write("new", 3);
    batch.add(std::move(file));
  }
  calls().flushesToFail = 1;  // the first file's, as each is waited for in turn
  const PlacedFiles outcome = batch.placeAll();
  ASSERT_EQ(outcome.failed.size(), 1u);
  EXPECT_EQ(outcome.failed[0].path, failing);
  EXPECT_EQ(outcome.failed[0].error, EIO);
  EXPECT_EQ(outcome.placed, std::vector<std::string>{other});
  EXPECT_EQ(readFile(failing), "earlier failing.txt");
  EXPECT_EQ(readFile(other), "new");
  EXPECT_EQ(calls().flushesToFail, 0);
  EXPECT_TRUE(temporaryFilesIn(folder.path()).empty());
}

}  // namespace
}  // namespace vorelan
