#pragma once
// The files this run of the program reads as input (the data file, the
// stable age-stage distribution, the sibling's samples, the second
// treatment's results), known by device and inode, so that no result ever
// takes the place of one of them, whatever link or name leads there, and
// the clean-up of a folder never removes one.
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vorelan {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The file `path` leads to (links followed); nothing when there is none.
std::optional<FileIdentity> identityOf(const std::string& path);

class InputFiles {
 public:
  // Notes the file `path` leads to (links followed) as it is now, and the
  // name itself: an input saved anew under its name (as editors do) is a
  // new file there. Kept for the whole run of the program.
  void note(const std::string& path);
  // Whether `file` is an input, as it was noted or as its name leads now.
  bool contains(const FileIdentity& file) const;

 private:
  std::vector<FileIdentity> files_;
  std::vector<std::string> paths_;
};

}  // namespace vorelan
