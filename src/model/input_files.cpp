#include "model/input_files.h"

#include <algorithm>
#include <sys/stat.h>

namespace vorelan {

void InputFiles::note(const std::string& path) {
  struct stat status{};
  if (::stat(path.c_str(), &status) != 0) return;
  const FileIdentity file{status.st_dev, status.st_ino};
  if (!contains(file)) files_.push_back(file);
}

bool InputFiles::contains(const FileIdentity& file) const {
  return std::find(files_.begin(), files_.end(), file) != files_.end();
}

}  // namespace vorelan
