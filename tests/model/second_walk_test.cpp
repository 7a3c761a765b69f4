// The way to a result is walked again just before the file takes its place:
// a folder that is no longer the one the file was begun in, though its name
// and even its inode say so, takes nothing (for a folder moved away, see
// FolderMovedAway); a link re-pointed meanwhile is followed to where it
// leads then.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/as_colleague.h"
#include "model/descriptor.h"
#include "model/folder_contents.h"
#include "model/replaced_file.h"
#include "support/guarded_child.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runningAsRoot;
using testing::temporaryFilesIn;
using testing::TempDir;

TEST(SecondWalk, FollowsALinkToWhereItLeadsAtTheRename) {
  const TempDir folder;
  const std::string a = folder.write("a.txt", "earlier a");
  const std::string b = folder.write("b.txt", "earlier b");
  const fs::path link = folder.path() / "out.txt";
  fs::create_symlink("a.txt", link);
  ReplacedFile file;
  ASSERT_TRUE(file.open(link.string()));
  file.write("new", 3);
  const fs::path repointed = folder.path() / "out.txt.repointed";
  fs::create_symlink("b.txt", repointed);
  fs::rename(repointed, link);

  EXPECT_TRUE(file.commit()) << file.error();
  EXPECT_EQ(readFile(b), "new");
  EXPECT_EQ(readFile(a), "earlier a");
  EXPECT_EQ(fs::read_symlink(link), "b.txt");
  EXPECT_TRUE(temporaryFilesIn(folder.path()).empty());
}

// What `folder` holds at `name`, read through the descriptor.
std::string contentAt(const Descriptor& folder, const char* name) {
  const Descriptor file(::openat(folder.get(), name, O_RDONLY | O_CLOEXEC));
  if (!file.isOpen()) return "(none)";
  std::string text(64, '\0');
  const ssize_t got = ::read(file.get(), text.data(), text.size());
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

// Makes `d/out.txt` ("earlier" and so on) on a fresh disk mounted at `where`;
// the folder d, held.
Descriptor freshDiskWithFolder(const fs::path& where, const char* text) {
  if (::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") != 0) return Descriptor();
  fs::create_directory(where / "d");
  std::ofstream(where / "d" / "out.txt") << text;
  return Descriptor(::open((where / "d").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The temporary files in the held `folder`, wherever it went.
std::size_t temporaryFilesInHeld(const Descriptor& folder) {
  return temporaryFilesIn(fs::path("/proc/self/fd") / std::to_string(folder.get())).size();
}

ino_t inodeOf(const Descriptor& folder) {
  struct stat status{};
  return ::fstat(folder.get(), &status) == 0 ? status.st_ino : 0;
}

// A disk mounted over the way while the file is written, whose folder of the
// same name has the very inode number of the one the file was begun in
// (each fresh disk numbers its files alike): the folder the file was begun
// in no longer stands where the way found it, and is told as moved. Mounted
// in a mount namespace of a child's own, so that nothing of it is seen
// outside.
TEST(SecondWalk, RefusesAFolderOfTheSameInodeOnAnotherDisk) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to mount a disk";
  const TempDir where;
  const testing::GuardedOutcome outcome = testing::runGuarded([&where] {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      return std::string("no mounts");
    }
    const Descriptor held = freshDiskWithFolder(where.path(), "earlier");
    if (!held.isOpen()) return std::string("no mounts");
    ReplacedFile file;
    if (!file.open((where.path() / "d" / "out.txt").string())) return "not begun: " + std::to_string(file.error());
    file.write("new", 3);
    const Descriptor mounted = freshDiskWithFolder(where.path(), "the other disk's");
    if (!mounted.isOpen()) return std::string("no mounts");
    if (inodeOf(held) != inodeOf(mounted)) return std::string("no inode in common");
    file.commit();
    return "error " + std::to_string(file.error()) + "; held: " + contentAt(held, "out.txt") +
           "; mounted: " + contentAt(mounted, "out.txt") + "; temporary files: " +
           std::to_string(temporaryFilesInHeld(held) + temporaryFilesInHeld(mounted));
  });
  ASSERT_TRUE(outcome.finished) << outcome.why;
  if (outcome.text == "no mounts") GTEST_SKIP() << "this machine lets no test mount a disk";
  if (outcome.text == "no inode in common") GTEST_SKIP() << "this system numbers the files of a fresh disk apart";
  EXPECT_EQ(outcome.text, "error " + std::to_string(FolderGone) +
                              "; held: earlier; mounted: the other disk's; temporary files: 0");
}

}  // namespace
}  // namespace vorelan
