#include "report/output_file.h"

#include "report/file_failure.h"

namespace vorelan {

bool openOutputFile(TextOutputFile& file, const std::string& path, Platform& platform) {
  if (file.open(path)) return true;
  reportUnwritableFile(platform, path);
  return false;
}

bool closeOutputFile(TextOutputFile& file, Platform& platform) {
  const bool wasOpen = file.isOpen();
  const bool written = file.close();
  if (!written && wasOpen) reportUnwritableFile(platform, file.path());
  return written;
}

}  // namespace vorelan
