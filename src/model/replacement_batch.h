#pragma once
// The files of one run, written whole and waiting to take the places of
// their earlier files together. Flushing them to the disk together costs
// far less than one by one, and a run whose report failed can hold all of
// them back, leaving the earlier files together as one set.
#include <string>
#include <vector>

#include "model/replaced_file.h"

namespace vorelan {

// An output file that could not be written, and why (an error number, or
// one of the reasons of model/replaced_file.h).
struct UnwrittenFile {
  std::string path;
  int error = 0;
};

// What became of the waiting files.
struct PlacedFiles {
  std::vector<std::string> placed;   // in their places now, in the order they were added
  std::vector<UnwrittenFile> failed;  // their earlier files kept
};

class ReplacementBatch {
 public:
  // More files than this are not held open at once (each holds two file
  // descriptors, its own and its folder's): the waiting ones are then put
  // in place at once.
  static constexpr std::size_t MaxWaitingFiles = 256;

  // Takes a file written whole, to be flushed and put in place later.
  void add(ReplacedFile&& file);
  bool empty() const { return waiting_.empty(); }

  // Flushes every waiting file, puts in place each that reached the disk,
  // then makes the renames durable.
  PlacedFiles placeAll();
  // The same, `required` first, unless it fails to reach the disk or to
  // take its place, or is not among the waiting files: then no other is
  // put in place, and every one is reported, the others as held back.
  PlacedFiles placeAllOrNone(const std::string& required);
  // Gives up every waiting file; their earlier files stay. Their paths.
  std::vector<std::string> discardAll();

 private:
  void flushAll();
  PlacedFiles placeFlushed();
  PlacedFiles holdBackAll();
  PlacedFiles putAllInPlace(const ReplacedFile* placedBefore = nullptr);

  std::vector<ReplacedFile> waiting_;
  PlacedFiles placedEarly_;  // put in place when too many were waiting
};

}  // namespace vorelan
