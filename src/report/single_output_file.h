#pragma once
// One output file written whole: opened for output (an earlier file of the
// name is replaced), filled, closed. A file that cannot be created or written
// is named to the user and reported as not written.
#include <string>

#include "model/open_files.h"
#include "platform/user_interface.h"
#include "report/output_file.h"

namespace vorelan {

template <class Fill>
bool writeSingleFile(TextOutputFile& file, const std::string& path, Platform& platform,
                     Fill&& fill) {
  if (!openOutputFile(file, path, platform)) return false;
  fill(file);
  return closeOutputFile(file, platform);
}

}  // namespace vorelan
