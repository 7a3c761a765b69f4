#include "report/output_file.h"

namespace vorelan {
namespace {

void takeOutcome(PlacedFiles&& outcome, OpenFiles& files) {
  files.written.insert(files.written.end(), outcome.placed.begin(), outcome.placed.end());
  files.unwritten.insert(files.unwritten.end(), outcome.failed.begin(), outcome.failed.end());
}

bool wasNotedUnwritten(const std::string& path, const OpenFiles& files) {
  for (const UnwrittenFile& file : files.unwritten) {
    if (file.path == path) return true;
  }
  return false;
}

}  // namespace

bool openOutputFile(TextOutputFile& file, const std::string& path, OpenFiles& files) {
  if (file.open(path, &files.writeFault, &files.flushFault, &files.inputs)) return true;
  files.unwritten.push_back({path, file.error()});
  return false;
}

bool closeOutputFile(TextOutputFile& file, OpenFiles& files) {
  const bool wasOpen = file.isOpen();
  ReplacedFile finished;
  bool written = file.closeInto(finished);
  if (written && finished.isOpen()) {
    written = closeWrittenFile(std::move(finished), files);
  } else if (!written && wasOpen) {
    files.unwritten.push_back({file.path(), file.error()});
  }
  return written;
}

bool closeWrittenFile(ReplacedFile&& file, OpenFiles& files) {
  if (files.gathering) {
    files.waiting.add(std::move(file));
    return true;
  }
  if (file.commit()) {
    files.written.push_back(file.path());
    return true;
  }
  files.unwritten.push_back({file.path(), file.error()});
  return false;
}

void gatherRunFiles(OpenFiles& files) { files.gathering = true; }

void placeWrittenFiles(OpenFiles& files) {
  files.gathering = false;
  if (!files.waiting.empty()) takeOutcome(files.waiting.placeAll(), files);
}

bool placeRunFiles(OpenFiles& files, const std::string& reportPath) {
  files.gathering = false;
  // A report that failed at its close is noted already, and no longer waits.
  if (wasNotedUnwritten(reportPath, files)) {
    for (std::string& path : files.waiting.discardAll()) files.unwritten.push_back({std::move(path), HeldBackWithTheRun});
    return false;
  }
  takeOutcome(files.waiting.placeAllOrNone(reportPath), files);
  return !wasNotedUnwritten(reportPath, files);
}

}  // namespace vorelan
