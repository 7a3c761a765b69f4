// Every link the program follows on its own, on the way from a result's
// name to the file it replaces, is held to one rule: followed only when this
// user or the owner of the folder it stands in made it. That holds for a
// folder link on the path a link leads to, in a chain, and for one swapped
// in after the look; the way to the data file's folder is the user's own.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "model/as_colleague.h"
#include "model/folder_contents.h"
#include "model/replaced_file.h"
#include "report/file_failure.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::Colleague;
using testing::readFile;
using testing::replace;
using testing::runningAsRoot;
using testing::SharedGroup;
using testing::Stranger;
using testing::temporaryFilesIn;
using testing::TempDir;

constexpr const char* Result = "c_1_Fig_Cxj.txt";
constexpr const char* ThirdsText = "the third user's notes";

enum class Maker { ThisUser, FolderOwner, Stranger };

struct PlantedLink {
  const char* name;     // in the shared folder
  const char* leadsTo;  // "NOTES" at its start stands for the third user's folder
  Maker maker;
};

struct WayCase {
  const char* name;
  bool folderOfColleague;    // the shared folder is the colleague's, else this user's
  const char* resultFolder;  // where the result's name is given, within the shared folder
  std::vector<PlantedLink> links;
  int error;                 // 0: the third user's file is replaced
  const char* strangersFolder = nullptr;  // a folder of the third user's in the shared folder
};

void PrintTo(const WayCase& c, std::ostream* out) { *out << c.name; }

const WayCase WayCases[] = {
    {"AnotherUsersFolderLinkOnTheWayOfThisUsersLink", false, "",
     {{Result, "d/c_1_Fig_Cxj.txt", Maker::ThisUser}, {"d", "NOTES", Maker::Stranger}}, FolderLinkOfAnotherUser},
    {"AnotherUsersFolderLinkInTheMiddleOfAChain", false, "",
     {{Result, "e.txt", Maker::ThisUser},
      {"e.txt", "d/c_1_Fig_Cxj.txt", Maker::ThisUser},
      {"d", "NOTES", Maker::Stranger}},
     FolderLinkOfAnotherUser},
    {"AnotherUsersFolderLinkOnTheWayOfTheFolderOwnersLink", true, "",
     {{Result, "d/c_1_Fig_Cxj.txt", Maker::FolderOwner}, {"d", "NOTES", Maker::Stranger}}, FolderLinkOfAnotherUser},
    {"AnotherUsersFolderLinkDeeperOnTheWay", false, "",
     {{Result, "e/d/c_1_Fig_Cxj.txt", Maker::ThisUser}, {"e", ".", Maker::ThisUser}, {"d", "NOTES", Maker::Stranger}},
     FolderLinkOfAnotherUser},
    {"ThisUsersFolderLink", false, "",
     {{Result, "d/c_1_Fig_Cxj.txt", Maker::ThisUser}, {"d", "NOTES", Maker::ThisUser}}, 0},
    {"TheFolderOwnersFolderLink", true, "",
     {{Result, "d/c_1_Fig_Cxj.txt", Maker::ThisUser}, {"d", "NOTES", Maker::FolderOwner}}, 0},
    {"AnotherUsersFolderLinkOnTheWayToTheDataFilesFolder", false, "d", {{"d", "NOTES", Maker::Stranger}}, 0},
    // The colleague owns the data file's folder, not the third user's
    // folder within it, where the colleague's second link stands.
    {"TheFolderOwnersLinkInAThirdUsersFolder", true, "",
     {{Result, "s/c_1_Fig_Cxj.txt", Maker::FolderOwner},
      {"s/c_1_Fig_Cxj.txt", "NOTES/c_1_Fig_Cxj.txt", Maker::FolderOwner}},
     LeadsToLinkOfAnotherUser, "s"},
};

// A group folder without the sticky bit, so that the system's own link
// protection does not apply, and a folder of a third user's notes.
class SharedFolder {
 public:
  explicit SharedFolder(bool ofColleague) {
    EXPECT_EQ(::chmod(shared.path().c_str(), 02777), 0);
    if (ofColleague) {
      EXPECT_EQ(::chown(shared.path().c_str(), Colleague, SharedGroup), 0);
    }
    notes = thirds.write(Result, ThirdsText);
  }

  // A folder of the third user's, which anyone may write in.
  void makeStrangersFolder(const char* name) const {
    const fs::path folder = shared.path() / name;
    fs::create_directory(folder);
    EXPECT_EQ(::chown(folder.c_str(), Stranger, Stranger), 0);
    EXPECT_EQ(::chmod(folder.c_str(), 0777), 0);
  }

  void plant(const PlantedLink& link) const {
    std::string leadsTo = link.leadsTo;
    if (leadsTo.starts_with("NOTES")) leadsTo.replace(0, 5, thirds.path().string());
    const fs::path name = shared.path() / link.name;
    fs::create_symlink(leadsTo, name);
    if (link.maker != Maker::ThisUser) {
      const uid_t maker = link.maker == Maker::FolderOwner ? Colleague : Stranger;
      EXPECT_EQ(::lchown(name.c_str(), maker, maker), 0) << link.name;
    }
  }

  const TempDir shared;
  const TempDir thirds;
  std::string notes;
};

class LinkOnTheWay : public ::testing::TestWithParam<WayCase> {};

TEST_P(LinkOnTheWay, IsFollowedOnlyWhenThisUserOrTheFolderOwnerMadeIt) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to plant links of other users";
  const WayCase& c = GetParam();
  const SharedFolder folder(c.folderOfColleague);
  if (c.strangersFolder != nullptr) folder.makeStrangersFolder(c.strangersFolder);
  for (const PlantedLink& link : c.links) folder.plant(link);

  EXPECT_EQ(replace((folder.shared.path() / c.resultFolder / Result).string()), c.error);
  EXPECT_EQ(readFile(folder.notes), c.error == 0 ? "new" : ThirdsText);
  for (const PlantedLink& link : c.links) EXPECT_TRUE(fs::is_symlink(folder.shared.path() / link.name)) << link.name;
  EXPECT_TRUE(temporaryFilesIn(folder.shared.path()).empty());
  EXPECT_TRUE(temporaryFilesIn(folder.thirds.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkOnTheWay, ::testing::ValuesIn(WayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The message says where the refused link stands: not at the name, which
// may well be the user's own link, but on the way it leads.
TEST(LinkOnTheWay, IsRefusedInPlainWords) {
  EXPECT_EQ(unwrittenReason(FolderLinkOfAnotherUser),
            "its name leads through a folder link made by another user, which is not followed");
}

// The way looked at when the file was begun is walked again at its rename:
// a folder on it that another user turned into a link meanwhile leads the
// file nowhere, and the file stays in the folder it was begun in until it
// is removed.
TEST(LinkOnTheWay, SwappedInAfterTheFileWasBegunIsNotFollowed) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to plant links of other users";
  const SharedFolder folder(false);
  const fs::path real = folder.shared.path() / "d";
  fs::create_directory(real);
  std::ofstream(real / Result) << "earlier";
  folder.plant({Result, "d/c_1_Fig_Cxj.txt", Maker::ThisUser});

  ReplacedFile file;
  ASSERT_TRUE(file.open((folder.shared.path() / Result).string()));
  file.write("new", 3);
  const fs::path movedAway = folder.shared.path() / "d (old)";
  fs::rename(real, movedAway);
  folder.plant({"d", "NOTES", Maker::Stranger});

  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.error(), FolderLinkOfAnotherUser);
  EXPECT_EQ(readFile(folder.notes), ThirdsText);
  EXPECT_EQ(readFile((movedAway / Result).string()), "earlier");
  EXPECT_TRUE(temporaryFilesIn(movedAway).empty());
  EXPECT_TRUE(temporaryFilesIn(folder.thirds.path()).empty());
}

// A folder on the way that turns into another user's link and back, at any
// moment, as fast as the system lets it (each turn one atomic exchange of
// names): whatever moment each file is begun and renamed in, none is
// written through the link, and nothing is left where it leads.
TEST(LinkOnTheWay, SwappedInAtAnyMomentIsNeverFollowed) {
  if (!runningAsRoot()) GTEST_SKIP() << "needs root to plant links of other users";
  const SharedFolder folder(false);
  const fs::path way = folder.shared.path() / "d";
  const fs::path other = folder.shared.path() / "d.other";
  fs::create_directory(way);
  folder.plant({"d.other", "NOTES", Maker::Stranger});
  folder.plant({Result, "d/c_1_Fig_Cxj.txt", Maker::ThisUser});
  std::ofstream(way / Result) << "earlier";

  std::atomic<bool> stop{false};
  std::thread swapping([&] {
    while (!stop) ::renameat2(AT_FDCWD, way.c_str(), AT_FDCWD, other.c_str(), RENAME_EXCHANGE);
  });
  int replaced = 0;
  int refused = 0;
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  while (std::chrono::steady_clock::now() < until) {
    (replace((folder.shared.path() / Result).string()) == 0 ? replaced : refused) += 1;
  }
  stop = true;
  swapping.join();

  EXPECT_EQ(readFile(folder.notes), ThirdsText) << replaced << " replaced, " << refused << " refused";
  EXPECT_TRUE(temporaryFilesIn(folder.thirds.path()).empty());
  EXPECT_GT(replaced, 0);
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace vorelan
