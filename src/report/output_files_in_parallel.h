#pragma once
// Many output files written at once, each on its own by one of several
// threads: the result files of a bootstrap run hold millions of numbers, and
// their formatting, not the disk, is what takes the time. What goes into
// each file is the same as when they are written one after another.
#include <functional>
#include <string>
#include <vector>

#include "model/open_files.h"
#include "platform/user_interface.h"

namespace vorelan {

struct OutputFileJob {
  std::string path;
  // Fills the open file. It must only read what every job shares.
  std::function<void(TextOutputFile&)> fill;
};

// Writes every job's file on up to `threads` threads (0: one per processor).
// A file that cannot be created or written is named to the user afterwards,
// from the calling thread, in the order of the list. The first exception of
// a fill is thrown again here once every thread has ended. False when any
// file failed.
bool writeOutputFiles(const std::vector<OutputFileJob>& jobs, Platform& platform, int threads = 0);

}  // namespace vorelan
