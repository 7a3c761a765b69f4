#include "model/replacement_batch.h"

#include <algorithm>
#include <filesystem>

namespace vorelan {
namespace {

void append(PlacedFiles& into, PlacedFiles&& from) {
  into.placed.insert(into.placed.end(), from.placed.begin(), from.placed.end());
  into.failed.insert(into.failed.end(), from.failed.begin(), from.failed.end());
}

}  // namespace

void ReplacementBatch::add(ReplacedFile&& file) {
  if (waiting_.size() >= MaxWaitingFiles) {
    flushAll();
    append(placedEarly_, putAllInPlace({}));
  }
  waiting_.push_back(std::move(file));
}

PlacedFiles ReplacementBatch::placeAll() {
  flushAll();
  return placeFlushed();
}

// The required file takes its place first, so that a rename refused at the
// last moment (the earlier file made read-only, the folder moved away) still
// holds back every other file of the run.
PlacedFiles ReplacementBatch::placeAllOrNone(const std::string& required) {
  flushAll();
  const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                  [&required](const ReplacedFile& file) { return file.path() == required; });
  if (found == waiting_.end() || !found->putInPlace()) return holdBackAll();
  const std::filesystem::path folder = found->folder();
  waiting_.erase(found);
  PlacedFiles outcome = std::move(placedEarly_);
  placedEarly_ = {};
  outcome.placed.push_back(required);
  append(outcome, putAllInPlace({folder}));
  return outcome;
}

// With those placed early, when too many were waiting. The required file,
// kept first among its failures.
PlacedFiles ReplacementBatch::holdBackAll() {
  PlacedFiles outcome = std::move(placedEarly_);
  placedEarly_ = {};
  for (ReplacedFile& file : waiting_) {
    outcome.failed.push_back({file.path(), file.error() != 0 ? file.error() : HeldBackWithTheRun});
    file.discard();
  }
  waiting_.clear();
  return outcome;
}

// With those placed early, when too many were waiting.
PlacedFiles ReplacementBatch::placeFlushed() {
  PlacedFiles outcome = std::move(placedEarly_);
  placedEarly_ = {};
  append(outcome, putAllInPlace({}));
  return outcome;
}

std::vector<std::string> ReplacementBatch::discardAll() {
  std::vector<std::string> paths;
  for (ReplacedFile& file : waiting_) {
    paths.push_back(file.path());
    file.discard();
  }
  waiting_.clear();
  return paths;
}

// Every file is set on its way to the disk before the first is waited for,
// so that the disk writes them together.
void ReplacementBatch::flushAll() {
  for (ReplacedFile& file : waiting_) file.startFlush();
  for (ReplacedFile& file : waiting_) file.flush();
}

// `folders`: those of files put in place already, synced with the others.
PlacedFiles ReplacementBatch::putAllInPlace(std::vector<std::filesystem::path> folders) {
  PlacedFiles outcome;
  for (ReplacedFile& file : waiting_) {
    if (file.putInPlace()) {
      outcome.placed.push_back(file.path());
      if (std::find(folders.begin(), folders.end(), file.folder()) == folders.end()) folders.push_back(file.folder());
    } else {
      outcome.failed.push_back({file.path(), file.error()});
    }
  }
  waiting_.clear();
  for (const std::filesystem::path& folder : folders) syncFolder(folder);
  return outcome;
}

}  // namespace vorelan
