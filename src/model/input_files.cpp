#include "model/input_files.h"

#include <algorithm>
#include <sys/stat.h>

namespace vorelan {

std::optional<FileIdentity> identityOf(const std::string& path) {
  struct stat status{};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{status.st_dev, status.st_ino};
}

void InputFiles::note(const std::string& path) {
  const std::optional<FileIdentity> file = identityOf(path);
  if (file && std::find(files_.begin(), files_.end(), *file) == files_.end()) files_.push_back(*file);
  if (std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
}

bool InputFiles::contains(const FileIdentity& file) const {
  if (std::find(files_.begin(), files_.end(), file) != files_.end()) return true;
  return std::any_of(paths_.begin(), paths_.end(),
                     [&file](const std::string& path) { return identityOf(path) == file; });
}

}  // namespace vorelan
