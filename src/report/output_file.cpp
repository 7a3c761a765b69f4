#include "report/output_file.h"

namespace vorelan {

bool openOutputFile(TextOutputFile& file, const std::string& path, OpenFiles& files) {
  if (file.open(path, &files.writeFault)) return true;
  files.unwritten.push_back({path, file.error()});
  return false;
}

bool closeOutputFile(TextOutputFile& file, OpenFiles& files) {
  const bool wasOpen = file.isOpen();
  const bool written = file.close();
  if (!written && wasOpen) files.unwritten.push_back({file.path(), file.error()});
  return written;
}

}  // namespace vorelan
