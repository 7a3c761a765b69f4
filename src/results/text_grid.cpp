#include "results/text_grid.h"

#include <stdexcept>

namespace vorelan {

TextGrid::TextGrid(int rows, int columns)
    : rows_(rows < 0 ? 0 : rows),
      columns_(columns < 0 ? 0 : columns),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_)) {}

std::size_t TextGrid::index(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
    throw std::out_of_range("grid cell (" + std::to_string(row) + ", " + std::to_string(column) +
                            ") outside the table");
  }
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

const GridCell& TextGrid::cell(int row, int column) const { return cells_[index(row, column)]; }

void TextGrid::set(int row, int column, std::string text, bool centred) {
  cells_[index(row, column)] = {std::move(text), centred};
}

}  // namespace vorelan
