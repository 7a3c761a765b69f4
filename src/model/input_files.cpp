#include "model/input_files.h"

#include <algorithm>
#include <sys/stat.h>

namespace vorelan {
namespace {

bool identityOf(const std::string& path, FileIdentity& file) {
  struct stat status{};
  if (::stat(path.c_str(), &status) != 0) return false;
  file = {status.st_dev, status.st_ino};
  return true;
}

}  // namespace

void InputFiles::note(const std::string& path) {
  FileIdentity file;
  if (identityOf(path, file) && std::find(files_.begin(), files_.end(), file) == files_.end()) {
    files_.push_back(file);
  }
  if (std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
}

bool InputFiles::contains(const FileIdentity& file) const {
  if (std::find(files_.begin(), files_.end(), file) != files_.end()) return true;
  return std::any_of(paths_.begin(), paths_.end(), [&file](const std::string& path) {
    FileIdentity now;
    return identityOf(path, now) && now == file;
  });
}

}  // namespace vorelan
