#include "model/replacement_batch.h"

#include <algorithm>
#include <optional>

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
    append(placedEarly_, putAllInPlace());
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
  const ReplacedFile report = std::move(*found);
  waiting_.erase(found);
  PlacedFiles outcome = std::move(placedEarly_);
  placedEarly_ = {};
  outcome.placed.push_back(required);
  append(outcome, putAllInPlace(&report));
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
  append(outcome, putAllInPlace());
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

// `placedBefore`: a file put in place already, whose folder is synced with
// the others. Each folder is synced once, however many files it took.
PlacedFiles ReplacementBatch::putAllInPlace(const ReplacedFile* placedBefore) {
  PlacedFiles outcome;
  std::vector<const ReplacedFile*> placed;
  if (placedBefore != nullptr) placed.push_back(placedBefore);
  for (ReplacedFile& file : waiting_) {
    if (file.putInPlace()) {
      outcome.placed.push_back(file.path());
      placed.push_back(&file);
    } else {
      outcome.failed.push_back({file.path(), file.error()});
    }
  }
  std::vector<FileIdentity> synced;
  for (const ReplacedFile* file : placed) {
    const std::optional<FileIdentity> folder = file->folderIdentity();
    if (folder && std::find(synced.begin(), synced.end(), *folder) != synced.end()) continue;
    file->syncFolder();
    if (folder) synced.push_back(*folder);
  }
  waiting_.clear();
  return outcome;
}

}  // namespace vorelan
