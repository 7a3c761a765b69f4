#include "windows/grid_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <map>

namespace vorelan {
namespace {

const QColor FixedCellShade(0xe4, 0xe4, 0xe4);
constexpr int MinimumColumnWidth = 64;

QTableWidgetItem* itemOf(const GridCell& cell, bool fixed) {
  auto* item = new QTableWidgetItem(QString::fromStdString(cell.text));
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setTextAlignment(cell.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  if (fixed) item->setBackground(FixedCellShade);
  return item;
}

}  // namespace

GridTable::GridTable(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  horizontalHeader()->setVisible(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(22);
}

void GridTable::showGrid(const TextGrid& grid) {
  clear();
  setRowCount(grid.rows());
  setColumnCount(grid.columns());
  for (int row = 0; row < grid.rows(); ++row) {
    for (int column = 0; column < grid.columns(); ++column) {
      setItem(row, column, itemOf(grid.cell(row, column), row == 0 || column == 0));
    }
  }
  // Every text shows whole: unrounded values are long.
  resizeColumnsToContents();
  for (int column = 0; column < columnCount(); ++column) {
    setColumnWidth(column, std::max(columnWidth(column) + 12, MinimumColumnWidth));
  }
}

QString GridTable::selectedText() const {
  std::map<int, std::map<int, QString>> rows;
  for (const QTableWidgetItem* item : selectedItems()) rows[item->row()][item->column()] = item->text();
  QStringList lines;
  for (const auto& [row, cells] : rows) {
    QStringList texts;
    for (const auto& [column, text] : cells) texts << text;
    lines << texts.join('\t');
  }
  return lines.join('\n');
}

void GridTable::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(selectedText());
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace vorelan
