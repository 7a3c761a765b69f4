// What a result must not do where others can reach it: follow a link that
// another user planted, take the place of a file the program reads, give a
// private file to a group it never had, leave a leftover that no clean-up
// removes, blame a read-only disk on a missing permission, or blame another
// program for a folder moved away; nor put a run's files in place when its
// report is refused at the last moment.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "model/replaced_file.h"
#include "model/replacement_batch.h"
#include "model/as_colleague.h"
#include "model/folder_contents.h"
#include "report/file_failure.h"
#include "support/guarded_child.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::asColleague;
using testing::Colleague;
using testing::readFile;
using testing::replace;
using testing::runningAsRoot;
using testing::SharedGroup;
using testing::statusOf;
using testing::temporaryFilesIn;
using testing::TempDir;
using testing::ThirdGroup;

// ---- Links --------------------------------------------------------------------

struct LinkCase {
  const char* name;
  bool linkOfColleague;    // else this user's
  bool folderOfColleague;  // else this user's
  bool throughSecondLink;  // this user's link leads to the link of the case
  int error;
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

const LinkCase LinkCases[] = {
    {"ThisUsersLink", false, false, false, 0},
    {"TheFolderOwnersLink", true, true, false, 0},
    {"AnotherUsersLink", true, false, false, LinkOfAnotherUser},
    {"ThisUsersLinkToAnotherUsersLink", true, false, true, LeadsToLinkOfAnotherUser},
};

class LinkInASharedFolder : public ::testing::TestWithParam<LinkCase> {};

// A shared folder without the sticky bit: anyone of the group may plant a
// link there, and only this user's or the folder owner's is followed.
TEST_P(LinkInASharedFolder, IsFollowedOnlyWhenThisUserOrTheFolderOwnerMadeIt) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to act as a second user";
  const LinkCase& c = GetParam();
  const TempDir shared;
  const TempDir home;  // where the link points: a file of this user's
  ASSERT_EQ(::chmod(shared.path().c_str(), 02777), 0);
  if (c.folderOfColleague) {
    ASSERT_EQ(::chown(shared.path().c_str(), Colleague, SharedGroup), 0);
  }
  const std::string notes = home.write("notes.txt", "my notes");
  const fs::path planted = shared.path() / (c.throughSecondLink ? "planted.txt" : "c_1_Fig_Cxj.txt");
  fs::create_symlink(notes, planted);
  if (c.linkOfColleague) {
    ASSERT_EQ(::lchown(planted.c_str(), Colleague, Colleague), 0);
  }
  const fs::path result = shared.path() / "c_1_Fig_Cxj.txt";
  if (c.throughSecondLink) fs::create_symlink(planted, result);

  EXPECT_EQ(replace(result.string()), c.error);
  EXPECT_EQ(readFile(notes), c.error == 0 ? "new" : "my notes");
  EXPECT_TRUE(fs::is_symlink(result));
  EXPECT_TRUE(fs::is_symlink(planted));
  EXPECT_TRUE(temporaryFilesIn(shared.path()).empty());
  EXPECT_TRUE(temporaryFilesIn(home.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkInASharedFolder, ::testing::ValuesIn(LinkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The name itself may be the user's own link: the words say which link it was.
TEST(LinkInASharedFolder, IsRefusedInPlainWords) {
  EXPECT_EQ(unwrittenReason(LinkOfAnotherUser), "its name is a link made by another user, which is not followed");
  EXPECT_EQ(unwrittenReason(LeadsToLinkOfAnotherUser),
            "its name leads to a link made by another user, which is not followed");
}

// ---- A result over an input -----------------------------------------------------

// A folder with the data file c.txt, noted as read.
class ResultOverAnInput : public ::testing::Test {
 protected:
  void SetUp() override { inputs.note(data); }

  const TempDir folder;
  const std::string data = folder.write("c.txt", "the raw records");
  InputFiles inputs;
};

// Whatever name leads there, a link or a second (hard) link, the file the
// program reads is kept and the result refused.
TEST_F(ResultOverAnInput, IsRefusedAndTheInputKept) {
  const fs::path symbolic = folder.path() / "c_1_Fig_Cxj.txt";
  const fs::path hard = folder.path() / "c_0_Basic_Output.txt";
  fs::create_symlink("c.txt", symbolic);
  fs::create_hard_link(data, hard);
  for (const fs::path& name : {symbolic, hard}) {
    EXPECT_EQ(replace(name.string(), &inputs), LeadsToAnInputFile) << name;
    EXPECT_EQ(readFile(data), "the raw records") << name;
  }
  EXPECT_TRUE(fs::is_symlink(symbolic));
  EXPECT_TRUE(temporaryFilesIn(folder.path()).empty());
  // Any other file is replaced as ever.
  EXPECT_EQ(replace(folder.write("c_2_Fig.txt", "earlier"), &inputs), 0);
}

// An editor saves a file anew: a new file under the input's name, which is
// the input from then on.
TEST_F(ResultOverAnInput, IsRefusedAlsoForAnInputSavedAnewUnderItsName) {
  fs::rename(folder.write("c.txt~", "the records edited"), data);
  fs::create_symlink("c.txt", folder.path() / "c_1_Fig_Cxj.txt");
  EXPECT_EQ(replace((folder.path() / "c_1_Fig_Cxj.txt").string(), &inputs), LeadsToAnInputFile);
  EXPECT_EQ(readFile(data), "the records edited");
}

// The input may become the file's target only after the file was begun.
TEST_F(ResultOverAnInput, IsRefusedAlsoWhenTheNameLeadsThereOnlyAtTheEnd) {
  const std::string result = folder.write("c_1_Fig_Cxj.txt", "earlier");
  ReplacedFile file;
  ASSERT_TRUE(file.open(result, nullptr, nullptr, &inputs));
  file.write("new", 3);
  fs::remove(result);
  fs::create_hard_link(data, result);
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.error(), LeadsToAnInputFile);
  EXPECT_EQ(readFile(data), "the raw records");
}

// ---- The group of a private result ------------------------------------------------

// The colleague's result, 0640 of a group the colleague is not in, in a
// set-group-id folder: the new file cannot keep that group, so its own
// (the folder's) gets nothing, while written and after.
TEST(GroupOfAResult, ThatCannotBeKeptGetsNoPermission) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to act as a second user";
  const TempDir folder;
  ASSERT_EQ(::chown(folder.path().c_str(), 0, SharedGroup), 0);
  ASSERT_EQ(::chmod(folder.path().c_str(), 02777), 0);
  const std::string path = folder.write("out.txt", "private");
  ASSERT_EQ(::chown(path.c_str(), Colleague, ThirdGroup), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  const fs::path where = folder.path();
  const int outcome = asColleague([&] {
    ReplacedFile file;
    if (!file.open(path)) return 1;
    for (const fs::path& temporary : temporaryFilesIn(where)) {
      if ((statusOf(temporary).st_mode & S_IRWXG) != 0) return 2;
    }
    file.write("new", 3);
    return file.commit() ? 0 : 3;
  });
  ASSERT_EQ(outcome, 0);
  EXPECT_EQ(readFile(path), "new");
  EXPECT_EQ(statusOf(path).st_gid, SharedGroup);
  EXPECT_EQ(statusOf(path).st_mode & 0777, 0600u);
}

// Makes every change of a file's permissions or owner fail, in this thread
// and the children it makes from now on: what a file is given then is what
// it was created with. False when this system has no such filter.
bool permissionsAndOwnersFixed() {
#if defined(__x86_64__)
  constexpr unsigned Architecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
  constexpr unsigned Architecture = AUDIT_ARCH_AARCH64;
#else
  return false;
#endif
#if defined(__x86_64__) || defined(__aarch64__)
  const long refused[] = {
      SYS_fchmod, SYS_fchmodat, SYS_fchown, SYS_fchownat,
#ifdef SYS_fchmodat2
      SYS_fchmodat2,
#endif
#ifdef SYS_chmod
      SYS_chmod, SYS_chown, SYS_lchown,
#endif
  };
  constexpr std::size_t Count = sizeof refused / sizeof refused[0];
  std::vector<sock_filter> program = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Architecture, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
  };
  // Each refused call jumps to the last statement, the refusal.
  for (std::size_t k = 0; k < Count; ++k) {
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(refused[k]),
                               static_cast<unsigned char>(Count - k), 0));
  }
  program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
  program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM));
  const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
  return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
#endif
}

// A group member who opens the file while it is written keeps reading it
// whatever permissions it is given later: so it is created with no
// permission for its group, which gets the earlier file's only once the file
// has the earlier group. With the changes of permissions and owner refused,
// the temporary file keeps the mode it was created with.
TEST(GroupOfAResult, GetsNoPermissionOnTheFileAsItIsCreated) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  const fs::path where = folder.path();
  const testing::GuardedOutcome outcome = testing::runGuarded([&] {
    // A umask that takes the group's permissions away would hide a file
    // created with them.
    ::umask(0);
    if (!permissionsAndOwnersFixed()) return std::string("no filter");
    // The filter holds: a change of permissions is refused.
    const int earlier = ::open(path.c_str(), O_RDONLY);
    if (::fchmod(earlier, 0644) == 0 || errno != EPERM) return std::string("the filter does not hold");
    ::close(earlier);
    ReplacedFile file;
    if (!file.open(path)) return "not begun: " + std::to_string(file.error());
    file.write("new", 3);
    const std::vector<fs::path> temporary = temporaryFilesIn(where);
    if (temporary.size() != 1) return std::to_string(temporary.size()) + " temporary files";
    struct stat status{};
    if (::lstat(temporary[0].c_str(), &status) != 0) return std::string("no status");
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
    return std::string(mode);
  });
  ASSERT_TRUE(outcome.finished) << outcome.why;
  if (outcome.text == "no filter") GTEST_SKIP() << "this system lets no test filter its system calls";
  EXPECT_EQ(outcome.text, "0600");  // the owner's permissions, none for the group
  EXPECT_EQ(readFile(path), "earlier");
  EXPECT_TRUE(temporaryFilesIn(where).empty());
}

// ---- A write-only leftover ------------------------------------------------------

class WriteOnlyLeftover : public ::testing::TestWithParam<mode_t> {};

// A run killed while it replaced a write-only result leaves a temporary
// file of that mode: the next Open removes it all the same.
TEST_P(WriteOnlyLeftover, IsRemovedByTheNextOpen) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to act as a second user";
  const TempDir folder;
  ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
  const fs::path leftover = folder.path() / ".vorelan-0123456789abcdef.part";
  const mode_t mode = GetParam();
  const int outcome = asColleague([&] {
    const int fd = ::open(leftover.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
    if (fd < 0) return 1;
    ::close(fd);
    if (::chmod(leftover.c_str(), mode) != 0) return 2;
    removeLeftTemporaryFiles(folder.path());
    return fs::exists(leftover) ? 3 : 0;
  });
  EXPECT_EQ(outcome, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, WriteOnlyLeftover, ::testing::Values(mode_t{0200}, mode_t{0222}),
                         [](const auto& info) { return "Mode0" + std::to_string(info.param / 64) +
                                                       std::to_string(info.param / 8 % 8) +
                                                       std::to_string(info.param % 8); });

// ---- A read-only disk -------------------------------------------------------------

// On a disk mounted read-only (in a mount namespace of the child's own),
// the reason is the disk, not a missing permission.
TEST(ReadOnlyDisk, IsToldAsSuch) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to mount a disk";
  const TempDir folder;
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(10);
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
      ::_exit(254);  // no mounts here
    }
    const std::string earlier = (folder.path() / "out.txt").string();
    std::ofstream(earlier) << "earlier";
    if (::mount(nullptr, folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) ::_exit(254);
    const int forEarlier = replace(earlier);
    const int forNew = replace((folder.path() / "new.txt").string());
    ::_exit(forEarlier == EROFS && forNew == EROFS && readFile(earlier) == "earlier" ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 254) GTEST_SKIP() << "this machine lets no test mount a disk";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(unwrittenReason(EROFS), "the disk is read-only");
}

// ---- A folder moved away ----------------------------------------------------------

// Also when a new folder is made under the moved one's name before the file
// takes its place: the way walked again leads there, to another folder than
// the one the file was begun in, and neither takes the file.
TEST(FolderMovedAway, IsToldAsSuchAndLeavesNothingBehind) {
  for (const bool newFolderInItsPlace : {false, true}) {
    const TempDir parent;
    const fs::path folder = parent.path() / "May";
    const fs::path moved = parent.path() / "May (old)";
    fs::create_directory(folder);
    const std::string path = (folder / "out.txt").string();
    std::ofstream(path) << "earlier";
    ReplacedFile file;
    ASSERT_TRUE(file.open(path));
    file.write("new", 3);
    fs::rename(folder, moved);
    if (newFolderInItsPlace) {
      fs::create_directory(folder);
      std::ofstream(path) << "the new folder's";
    }
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(file.error(), FolderGone) << newFolderInItsPlace;
    EXPECT_EQ(readFile((moved / "out.txt").string()), "earlier") << newFolderInItsPlace;
    EXPECT_TRUE(temporaryFilesIn(moved).empty()) << newFolderInItsPlace;
    if (newFolderInItsPlace) {
      EXPECT_EQ(readFile(path), "the new folder's");
      EXPECT_TRUE(temporaryFilesIn(folder).empty());
    } else {
      EXPECT_FALSE(fs::exists(folder));
    }
  }
  EXPECT_EQ(unwrittenReason(FolderGone), "the folder was moved or removed while the file was written");
}

// ---- A run's report refused at the last moment ------------------------------------

struct LastMomentRefusal {
  const char* name;
  int error;
  void (*refuse)(const fs::path& report);
};

void PrintTo(const LastMomentRefusal& c, std::ostream* out) { *out << c.name; }

const LastMomentRefusal LastMomentRefusals[] = {
    {"ReportMadeReadOnly", EACCES, [](const fs::path& report) { fs::permissions(report, fs::perms::owner_read); }},
    {"FolderInPlaceOfTheReport", EISDIR,
     [](const fs::path& report) {
       fs::remove(report);
       fs::create_directory(report);
     }},
};

class ReportRefusedAtItsRename : public ::testing::TestWithParam<LastMomentRefusal> {};

// Every file reached the disk; the report, added last, is refused as it is
// renamed: no other file of the batch takes its place.
TEST_P(ReportRefusedAtItsRename, HoldsBackEveryOtherFile) {
  const LastMomentRefusal& c = GetParam();
  const TempDir folder;
  const std::vector<std::string> results = {folder.write("a.txt", "earlier a"), folder.write("b.txt", "earlier b")};
  const std::string report = folder.write("report.txt", "earlier report");
  ReplacementBatch batch;
  for (const std::string& path : {results[0], results[1], report}) {
    ReplacedFile file;
    ASSERT_TRUE(file.open(path));
    file.write("new", 3);
    batch.add(std::move(file));
  }
  c.refuse(report);
  const PlacedFiles outcome = batch.placeAllOrNone(report);
  EXPECT_TRUE(outcome.placed.empty());
  ASSERT_EQ(outcome.failed.size(), 3u);
  for (const UnwrittenFile& file : outcome.failed) {
    EXPECT_EQ(file.error, file.path == report ? c.error : HeldBackWithTheRun) << file.path;
  }
  EXPECT_EQ(readFile(results[0]), "earlier a");
  EXPECT_EQ(readFile(results[1]), "earlier b");
  EXPECT_TRUE(temporaryFilesIn(folder.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportRefusedAtItsRename, ::testing::ValuesIn(LastMomentRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorelan
