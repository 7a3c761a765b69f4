#pragma once
// A read-only table that shows a TextGrid: row 0 as the heading row and
// column 0 as the row labels, shaded as fixed cells. Selected cells are
// copied with the usual copy keys, tab between cells and a line per row,
// so that a user can paste them into a spreadsheet.
#include <QTableWidget>

#include "results/text_grid.h"

namespace vorelan {

class GridTable : public QTableWidget {
 public:
  explicit GridTable(QWidget* parent = nullptr);

  void showGrid(const TextGrid& grid);
  // The selected cells as text.
  QString selectedText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vorelan
