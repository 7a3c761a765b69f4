#pragma once
// What a folder holds, for the tests of replaced files: the temporary files
// left in it, and a file's status; and a file replaced there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "model/replaced_file.h"

namespace vorelan::testing {

inline std::vector<std::filesystem::path> temporaryFilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (isTemporaryFileName(entry.path().filename().string())) found.push_back(entry.path());
  }
  return found;
}

// Of the name itself: a link's own status, not its target's.
inline struct stat statusOf(const std::filesystem::path& path) {
  struct stat status{};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status;
}

// Replaces `path` with "new"; the error (0: replaced).
inline int replace(const std::string& path, const InputFiles* inputs = nullptr) {
  ReplacedFile file;
  if (file.open(path, nullptr, nullptr, inputs)) {
    file.write("new", 3);
    file.commit();
  }
  return file.error();
}

}  // namespace vorelan::testing
