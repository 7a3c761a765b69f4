#pragma once
// The per-individual tables have one column per stage, then two summary
// columns (m + 2 in all). Up to 11 columns fit a page; a wider table is
// printed in two chunks under one table number: columns 1 to (m + 2) / 2,
// then the rest.
#include <vector>

namespace vorelan {

struct ColumnChunk {
  int first;
  int last;
  int width() const { return last - first + 1; }
};

inline std::vector<ColumnChunk> individualTableChunks(int numStages) {
  const int lastColumn = numStages + 2;
  if (lastColumn <= 11) return {{1, lastColumn}};
  const int split = lastColumn / 2;
  return {{1, split}, {split + 1, lastColumn}};
}

}  // namespace vorelan
