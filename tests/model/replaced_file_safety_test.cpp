// What the replacement of an output file must never do, beyond a full disk:
// take another program's file in progress for a leftover, pass a private
// file to others, replace a file this user may not write (decided as the
// system decides, and again at the moment of the replacement), follow a
// link to nowhere, or put a file in place before it has reached the disk.
#include "model/replaced_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "model/replacement_batch.h"
#include "model/text_output_file.h"
#include "model/folder_contents.h"
#include "report/file_failure.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;

std::vector<fs::path> temporaryFilesIn(const TempDir& folder) { return testing::temporaryFilesIn(folder.path()); }
using testing::statusOf;

// Another copy of the program opening a data file in the same folder removes
// what a killed run left, but not the file this copy is writing.
TEST(ReplacedFileSafety, AFileInProgressIsNotTakenForALeftover) {
  const TempDir folder;
  const std::string path = folder.write("a_0_Basic_Output.txt", "earlier");
  const std::string leftover = folder.write(".vorelan-0123456789abcdef.part", "left by a killed run");
  ReplacedFile inProgress;
  ASSERT_TRUE(inProgress.open(path));
  inProgress.write("new", 3);

  removeLeftTemporaryFiles(folder.path());
  EXPECT_FALSE(fs::exists(leftover));
  EXPECT_EQ(temporaryFilesIn(folder).size(), 1u);
  EXPECT_TRUE(inProgress.commit()) << inProgress.error();
  EXPECT_EQ(readFile(path), "new");
}

// A temporary file removed by hand is reported as what happened, not as a
// missing folder, and the earlier file stays.
TEST(ReplacedFileSafety, ATemporaryFileThatVanishedIsToldAsSuch) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier");
  ReplacedFile file;
  ASSERT_TRUE(file.open(path));
  file.write("new", 3);
  for (const fs::path& temporary : temporaryFilesIn(folder)) fs::remove(temporary);
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.error(), TemporaryFileRemoved);
  EXPECT_EQ(readFile(path), "earlier");
}

// A file that another program put at the temporary file's name is that
// program's: committed or given up, this one neither puts it in the result's
// place nor removes it.
TEST(ReplacedFileSafety, AnotherProgramsFileAtTheTemporaryNameIsLeftAlone) {
  for (const bool committed : {true, false}) {
    const TempDir folder;
    const std::string path = folder.write("out.txt", "earlier");
    ReplacedFile file;
    ASSERT_TRUE(file.open(path));
    file.write("new", 3);
    const std::vector<fs::path> temporary = temporaryFilesIn(folder);
    ASSERT_EQ(temporary.size(), 1u);
    const std::string others = folder.write("other program's", "another program's");
    fs::rename(others, temporary[0]);
    if (committed) {
      EXPECT_FALSE(file.commit());
      EXPECT_EQ(file.error(), TemporaryFileRemoved);
    } else {
      file.discard();
    }
    EXPECT_EQ(readFile(path), "earlier") << committed;
    EXPECT_EQ(readFile(temporary[0].string()), "another program's") << committed;
  }
}

// A link that leads nowhere, or round in a loop, is refused and kept.
TEST(ReplacedFileSafety, ALinkToNothingOrInALoopIsRefusedAndKept) {
  const TempDir folder;
  const fs::path dangling = folder.path() / "dangling.txt";
  const fs::path loop = folder.path() / "loop.txt";
  fs::create_symlink(folder.path() / "gone.txt", dangling);
  fs::create_symlink(loop, loop);
  const struct {
    fs::path link;
    int error;
  } cases[] = {{dangling, LinkLeadsNowhere}, {loop, ELOOP}};
  for (const auto& c : cases) {
    const fs::path pointsTo = fs::read_symlink(c.link);
    ReplacedFile file;
    EXPECT_FALSE(file.open(c.link.string())) << c.link;
    EXPECT_EQ(file.error(), c.error) << c.link;
    EXPECT_TRUE(fs::is_symlink(c.link)) << c.link;
    EXPECT_EQ(fs::read_symlink(c.link), pointsTo) << c.link;
  }
  EXPECT_FALSE(fs::exists(folder.path() / "gone.txt"));
  EXPECT_TRUE(temporaryFilesIn(folder).empty());
}

// As many links as the system follows on one path are followed; one more is
// refused for what it is, not taken for a loop.
TEST(ReplacedFileSafety, AChainOfLinksIsFollowedAsFarAsTheSystemFollowsOne) {
  const struct {
    int links;
    int error;
  } cases[] = {{MostLinksFollowed, 0}, {MostLinksFollowed + 1, TooManyLinks}};
  for (const auto& c : cases) {
    const TempDir folder;
    const std::string end = folder.write("end.txt", "earlier");
    std::string next = "end.txt";
    for (int k = 1; k <= c.links; ++k) {
      const std::string link = "link" + std::to_string(k) + ".txt";
      fs::create_symlink(next, folder.path() / link);
      next = link;
    }
    ReplacedFile file;
    if (file.open((folder.path() / next).string())) {
      file.write("new", 3);
      file.commit();
    }
    EXPECT_EQ(file.error(), c.error) << c.links << " links";
    EXPECT_EQ(readFile(end), c.error == 0 ? "new" : "earlier") << c.links << " links";
    EXPECT_TRUE(fs::is_symlink(folder.path() / next)) << c.links << " links";
    EXPECT_TRUE(temporaryFilesIn(folder).empty());
  }
  EXPECT_EQ(unwrittenReason(TooManyLinks), "its name leads through more links than are followed (40)");
  EXPECT_EQ(unwrittenReason(ELOOP), "its name is a link that leads round in a loop");
}

// A result kept private is never readable by others, not even while its
// replacement is written.
TEST(ReplacedFileSafety, APrivateFileStaysPrivateWhileItIsReplaced) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ReplacedFile file;
  ASSERT_TRUE(file.open(path));
  const std::vector<fs::path> temporary = temporaryFilesIn(folder);
  ASSERT_EQ(temporary.size(), 1u);
  EXPECT_EQ(statusOf(temporary[0]).st_mode & 0777, 0600u);
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(statusOf(path).st_mode & 0777, 0600u);
}

// A result made read-only after its replacement was begun is kept.
TEST(ReplacedFileSafety, AFileMadeReadOnlyMeanwhileIsKept) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier");
  ReplacedFile file;
  ASSERT_TRUE(file.open(path));
  file.write("new", 3);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.error(), EACCES);
  EXPECT_EQ(readFile(path), "earlier");
  EXPECT_EQ(statusOf(path).st_mode & 0777, 0440u);
  EXPECT_TRUE(temporaryFilesIn(folder).empty());
}

// ---- A second user in a folder shared by a group ------------------------------

constexpr uid_t Colleague = 65534;
constexpr gid_t SharedGroup = 4242;

// Replaces `path` as another user who belongs to the shared group; the
// error of the replacement (0: replaced).
int replaceAsColleague(const std::string& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    const gid_t groups[] = {SharedGroup};
    if (::setgroups(1, groups) != 0 || ::setresgid(Colleague, Colleague, Colleague) != 0 ||
        ::setresuid(Colleague, Colleague, Colleague) != 0) {
      ::_exit(255);
    }
    ReplacedFile file;
    if (file.open(path)) {
      file.write("colleague's", 11);
      file.commit();
    }
    ::_exit(file.error() > 0 && file.error() < 255 ? file.error() : (file.error() == 0 ? 0 : 254));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReplacedFileSafety, AnotherUsersResultIsReplacedOnlyWhereTheSystemLetsThatUserWrite) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
  const TempDir folder;
  fs::permissions(folder.path(), fs::perms::all);  // the shared folder
  const struct {
    const char* name;
    mode_t mode;
    int error;
  } cases[] = {{"readable_by_the_group.txt", 0644, EACCES}, {"writable_by_the_group.txt", 0664, 0}};
  for (const auto& c : cases) {
    const std::string path = folder.write(c.name, "the owner's");
    ASSERT_EQ(::chown(path.c_str(), 0, SharedGroup), 0);
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    EXPECT_EQ(replaceAsColleague(path), c.error) << c.name;
    EXPECT_EQ(readFile(path), c.error == 0 ? "colleague's" : "the owner's") << c.name;
    // The group keeps its file: its group and permissions stay.
    EXPECT_EQ(statusOf(path).st_gid, SharedGroup) << c.name;
    EXPECT_EQ(statusOf(path).st_mode & 0777, c.mode) << c.name;
  }
  EXPECT_TRUE(temporaryFilesIn(folder).empty());
}

// ---- Flushed before the rename --------------------------------------------------

// A disk that accepts every write and fails at the flush: the file is not
// put in place, and the failure is told like any other.
TEST(ReplacedFileSafety, AFailedFlushKeepsTheEarlierFile) {
  const TempDir folder;
  const std::string path = folder.write("out.txt", "earlier");
  const FlushFault fault = [](const std::string&) { return EIO; };
  TextOutputFile out;
  ASSERT_TRUE(out.open(path, nullptr, &fault));
  out.write("new text\r\n");
  EXPECT_FALSE(out.close());
  EXPECT_EQ(out.error(), EIO);
  EXPECT_EQ(readFile(path), "earlier");
  EXPECT_TRUE(temporaryFilesIn(folder).empty());
}

// A run's files wait together; when the one they stand or fall with fails
// at its flush, none of them takes its place.
TEST(ReplacedFileSafety, ABatchIsPutInPlaceWholeOrHeldBackWhole) {
  for (const bool reportFails : {false, true}) {
    const TempDir folder;
    const std::string report = folder.write("report.txt", "earlier report");
    const std::string result = folder.write("result.txt", "earlier result");
    const FlushFault fault = [&](const std::string& target) { return reportFails && target == report ? EIO : 0; };
    ReplacementBatch batch;
    for (const std::string& path : {report, result}) {
      ReplacedFile file;
      ASSERT_TRUE(file.open(path, nullptr, &fault));
      file.write("new", 3);
      batch.add(std::move(file));
    }
    EXPECT_EQ(readFile(report), "earlier report") << "nothing is in place before the batch is";
    const PlacedFiles outcome = batch.placeAllOrNone(report);
    if (reportFails) {
      EXPECT_TRUE(outcome.placed.empty());
      ASSERT_EQ(outcome.failed.size(), 2u);
      EXPECT_EQ(outcome.failed[0].error, EIO);
      EXPECT_EQ(outcome.failed[1].error, HeldBackWithTheRun);
      EXPECT_EQ(readFile(result), "earlier result");
    } else {
      EXPECT_EQ(outcome.placed, (std::vector<std::string>{report, result}));
      EXPECT_EQ(readFile(result), "new");
    }
    EXPECT_TRUE(temporaryFilesIn(folder).empty());
  }
}

}  // namespace
}  // namespace vorelan
