#pragma once
// Many output files written at once, each on its own by one of several
// threads: the result files of a bootstrap run hold millions of numbers, and
// their formatting, not the disk, is what takes the time. What goes into
// each file is the same as when they are written one after another.
#include <functional>
#include <string>
#include <vector>

#include "model/open_files.h"

namespace vorelan {

struct OutputFileJob {
  std::string path;
  // Fills the open file. It must only read what every job shares.
  std::function<void(TextOutputFile&)> fill;
};

// Writes every job's file on up to `threads` threads (0: one per processor).
// A file that cannot be begun or written is noted in `files.unwritten`
// afterwards, in the order of the list, and its earlier file stays; the
// others wait in `files.waiting`, in that order, to be put in place. The first
// exception of a fill is thrown again here once every thread has ended (no
// file of a failed fill replaces its earlier one). False when any file failed.
bool writeOutputFiles(const std::vector<OutputFileJob>& jobs, OpenFiles& files, int threads = 0);

}  // namespace vorelan
