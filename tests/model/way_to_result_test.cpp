// Ways to a result that a plain look would misread: a link that climbs out
// of its folder, one that takes a file for a folder or leads into a folder
// that is not there, and a name that is itself a folder's. Each is followed
// or refused as the system would resolve it, and a refused one changes
// nothing anywhere in the tree.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/replaced_file.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;

struct Link {
  const char* name;  // within the tree
  const char* leadsTo;
};

struct OddWay {
  const char* name;
  const char* result;  // the result's name, within the tree
  std::vector<Link> links;
  int error;
  const char* replaced;  // the file that then holds "new"
};

void PrintTo(const OddWay& c, std::ostream* out) { *out << c.name; }

const OddWay OddWays[] = {
    {"ALinkUpAFolder", "here/out.txt", {{"here/out.txt", "../other/x.txt"}}, 0, "other/x.txt"},
    {"ALinkToAFileAsAFolder", "here/out.txt", {{"here/out.txt", "f.txt/"}}, ENOTDIR, nullptr},
    {"ALinkIntoAFolderThatIsGone", "here/out.txt", {{"here/out.txt", "gone/x.txt"}}, LinkLeadsNowhere, nullptr},
    {"ANewNameThatEndsInASlash", "here/new.txt/", {}, EISDIR, nullptr},
    {"AFilesNameThatEndsInASlash", "here/f.txt/", {}, EISDIR, nullptr},
};

// Every entry under `root`: a file's bytes, a link's target, or a folder.
std::map<std::string, std::string> treeOf(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    if (entry.is_symlink()) {
      tree[name] = "-> " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      tree[name] = "folder";
    } else {
      tree[name] = readFile(entry.path().string());
    }
  }
  return tree;
}

class OddWayToAResult : public ::testing::TestWithParam<OddWay> {};

// Refused when the file is begun, never later, and with nothing changed.
TEST_P(OddWayToAResult, IsFollowedOrRefusedAsTheSystemResolvesIt) {
  const OddWay& c = GetParam();
  const TempDir tree;
  fs::create_directories(tree.path() / "here");
  fs::create_directories(tree.path() / "other");
  tree.write("here/f.txt", "plain");
  tree.write("other/x.txt", "earlier");
  for (const Link& link : c.links) fs::create_symlink(link.leadsTo, tree.path() / link.name);
  std::map<std::string, std::string> expected = treeOf(tree.path());
  if (c.replaced != nullptr) expected[c.replaced] = "new";

  ReplacedFile file;
  const bool begun = file.open((tree.path() / c.result).string());
  if (begun) {
    file.write("new", 3);
    file.commit();
  }
  EXPECT_EQ(file.error(), c.error);
  EXPECT_EQ(begun, c.error == 0);
  EXPECT_EQ(treeOf(tree.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, OddWayToAResult, ::testing::ValuesIn(OddWays),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorelan
