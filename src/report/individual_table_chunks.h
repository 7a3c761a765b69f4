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

// What a column of the stage tables holds: a pre-adult stage (1..m-1), the
// adult stage (m), the pre-adult period (m+1) or the whole life (m+2).
enum class ColumnKind { PreadultStage, Adult, Preadult, WholeLife };

inline ColumnKind columnKind(int j, int numStages) {
  if (j == numStages + 2) return ColumnKind::WholeLife;
  if (j == numStages + 1) return ColumnKind::Preadult;
  if (j == numStages) return ColumnKind::Adult;
  return ColumnKind::PreadultStage;
}

// Calls visit(kind, j, k) for every column j of the chunk, k being its
// position in the chunk (1 for the chunk's first column).
template <class Visit>
void forEachColumn(const ColumnChunk& chunk, int numStages, Visit&& visit) {
  for (int j = chunk.first, k = 1; j <= chunk.last; ++j, ++k) visit(columnKind(j, numStages), j, k);
}

}  // namespace vorelan
