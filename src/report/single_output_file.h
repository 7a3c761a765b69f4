#pragma once
// One output file written whole: begun, filled, closed into the place of an
// earlier file of the name. A file that cannot be begun or written is noted
// for the run's message and reported as not written; the earlier file stays.
#include <string>

#include "model/open_files.h"
#include "report/output_file.h"

namespace vorelan {

// Gives up a file that its fill left by an exception.
class UnfinishedFileGuard {
 public:
  explicit UnfinishedFileGuard(TextOutputFile& file) : file_(file) {}
  ~UnfinishedFileGuard() { file_.discard(); }
  UnfinishedFileGuard(const UnfinishedFileGuard&) = delete;
  UnfinishedFileGuard& operator=(const UnfinishedFileGuard&) = delete;

 private:
  TextOutputFile& file_;
};

template <class Fill>
bool writeSingleFile(TextOutputFile& file, const std::string& path, OpenFiles& files, Fill&& fill) {
  if (!openOutputFile(file, path, files)) return false;
  const UnfinishedFileGuard guard(file);
  fill(file);
  return closeOutputFile(file, files);
}

}  // namespace vorelan
