// Each file begun holds two descriptors, its own and its folder's, until it
// is put in place, refused or given up: a run writes hundreds of files, and
// a descriptor kept by any of these ends would run the program out of them.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>

#include "model/folder_contents.h"
#include "model/replaced_file.h"
#include "model/replacement_batch.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

namespace fs = std::filesystem;
using testing::replace;
using testing::temporaryFilesIn;
using testing::TempDir;

long openDescriptors() {
  return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

ReplacedFile begun(const std::string& path, const FlushFault* flushFault = nullptr) {
  ReplacedFile file;
  EXPECT_TRUE(file.open(path, nullptr, flushFault)) << path;
  file.write("new", 3);
  return file;
}

// Refused as the file is begun, or at its rename.
void refuseEveryWay(const TempDir& folder) {
  const std::string readOnly = folder.write("read-only.txt", "kept");
  fs::permissions(readOnly, fs::perms::owner_read);
  fs::create_symlink("gone.txt", folder.path() / "dangling.txt");
  EXPECT_EQ(replace(folder.path().string()), EISDIR);
  EXPECT_EQ(replace(readOnly), EACCES);
  EXPECT_EQ(replace((folder.path() / "dangling.txt").string()), LinkLeadsNowhere);
  EXPECT_EQ(replace((folder.path() / "no folder" / "out.txt").string()), ENOENT);

  const FlushFault failing = [](const std::string&) { return EIO; };
  ReplacedFile unflushed = begun(folder.write("unflushed.txt", "earlier"), &failing);
  EXPECT_FALSE(unflushed.commit());
  ReplacedFile vanished = begun(folder.write("vanished.txt", "earlier"));
  for (const fs::path& temporary : temporaryFilesIn(folder.path())) fs::remove(temporary);
  EXPECT_FALSE(vanished.commit());
  const fs::path moving = folder.path() / "moving";
  fs::create_directory(moving);
  ReplacedFile moved = begun((moving / "out.txt").string());
  fs::rename(moving, folder.path() / "moved");
  EXPECT_FALSE(moved.commit());
}

// Put in place, through links whose way passes folders, or given up, moved
// from one owner to another, or put in place by a batch, whole or held back.
void replaceAndGiveUp(const TempDir& folder) {
  EXPECT_EQ(replace(folder.write("earlier.txt", "earlier")), 0);
  EXPECT_EQ(replace((folder.path() / "new.txt").string()), 0);
  fs::create_directory(folder.path() / "sub");
  const std::string inSub = folder.write("sub/x.txt", "earlier");
  fs::create_symlink("sub/../sub/x.txt", folder.path() / "through.txt");
  fs::create_symlink(inSub, folder.path() / "absolute.txt");
  EXPECT_EQ(replace((folder.path() / "through.txt").string()), 0);
  EXPECT_EQ(replace((folder.path() / "absolute.txt").string()), 0);
  begun(folder.write("discarded.txt", "earlier")).discard();
  { ReplacedFile unfinished = begun(folder.write("unfinished.txt", "earlier")); }
  ReplacedFile first = begun(folder.write("moved.txt", "earlier"));
  ReplacedFile second = begun(folder.write("overwritten.txt", "earlier"));
  second = std::move(first);
  EXPECT_TRUE(second.commit());

  for (const bool whole : {true, false}) {
    ReplacementBatch batch;
    for (const char* name : {"a.txt", "b.txt", "report.txt"}) batch.add(begun(folder.write(name, "earlier")));
    const PlacedFiles outcome = whole ? batch.placeAll() : batch.placeAllOrNone("not among them");
    EXPECT_EQ(outcome.placed.size(), whole ? 3u : 0u);
  }
  ReplacementBatch discarded;
  discarded.add(begun(folder.write("c.txt", "earlier")));
  EXPECT_EQ(discarded.discardAll().size(), 1u);
}

TEST(ReplacedFileDescriptors, AreAllClosedHoweverTheFilesEnd) {
  const long before = openDescriptors();
  for (int round = 0; round < 20; ++round) {
    const TempDir folder;
    refuseEveryWay(folder);
    replaceAndGiveUp(folder);
    EXPECT_TRUE(temporaryFilesIn(folder.path()).empty());
  }
  EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
}  // namespace vorelan
