#pragma once
// A table of texts as a result window shows it: row 0 holds the column
// headings, column 0 the row labels. Which cells are centred is part of what
// the window shows, so it is kept with the text.
#include <string>
#include <vector>

namespace vorelan {

struct GridCell {
  std::string text;
  bool centred = false;
  bool operator==(const GridCell&) const = default;
};

class TextGrid {
 public:
  TextGrid(int rows, int columns);

  int rows() const { return rows_; }
  int columns() const { return columns_; }
  const GridCell& cell(int row, int column) const;
  const std::string& text(int row, int column) const { return cell(row, column).text; }
  void set(int row, int column, std::string text, bool centred);

 private:
  std::size_t index(int row, int column) const;
  int rows_;
  int columns_;
  std::vector<GridCell> cells_;
};

}  // namespace vorelan
