#include "charts/chart_data.h"

#include <stdexcept>

namespace vorelan {

void DataGrid::setRowCount(int rows) { resize(rows, columns_); }
void DataGrid::setColumnCount(int columns) { resize(rows_, columns); }

void DataGrid::resize(int rows, int columns) {
  if (rows < 0 || columns < 0) throw std::out_of_range("chart grid size below 0");
  rows_ = rows;
  columns_ = columns;
  values_.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0.0);
  columnLabels_.assign(static_cast<std::size_t>(columns), std::string());
  rowLabels_.assign(static_cast<std::size_t>(rows), std::string());
}

std::size_t DataGrid::cell(int row, int column) const {
  if (row < 1 || row > rows_ || column < 1 || column > columns_) {
    throw std::out_of_range("chart grid cell (" + std::to_string(row) + ", " + std::to_string(column) +
                            ") outside " + std::to_string(rows_) + " x " + std::to_string(columns_));
  }
  return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
         static_cast<std::size_t>(column - 1);
}

void DataGrid::setData(int row, int column, double value) { values_[cell(row, column)] = value; }
double DataGrid::data(int row, int column) const { return values_[cell(row, column)]; }

void DataGrid::setColumnLabel(int column, const std::string& label) {
  columnLabels_[labelSlot(column, columns_, "column")] = label;
}

const std::string& DataGrid::columnLabel(int column) const {
  return columnLabels_[labelSlot(column, columns_, "column")];
}

void DataGrid::setRowLabel(int row, const std::string& label) { rowLabels_[labelSlot(row, rows_, "row")] = label; }

const std::string& DataGrid::rowLabel(int row) const { return rowLabels_[labelSlot(row, rows_, "row")]; }

std::size_t DataGrid::labelSlot(int index, int count, const char* what) {
  if (index < 1 || index > count) throw std::out_of_range(std::string("chart grid ") + what + " outside the grid");
  return static_cast<std::size_t>(index - 1);
}

}  // namespace vorelan
