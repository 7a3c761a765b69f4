#pragma once
// What a chart shows, as a plain value: its type, titles, fonts, legend, axis
// scales and the data grid. The figure procedures fill it; ChartControl turns
// it into the picture. Tests read it without a display.
#include <map>
#include <string>
#include <vector>

namespace vorelan {

// The chart types the program draws, by the numbers the figures use.
enum class ChartType { Bar2d = 1, Xy2d = 16 };

// Where the legend stands beside the plot.
enum class LegendLocation { Top = 0, TopLeft = 1, TopRight = 2, Left = 3, Right = 4, Bottom = 5 };

// Tick marks of an axis.
enum class TickStyle { None = 0, Centre = 1, Inside = 2, Outside = 3 };

// Pen styles of grid lines.
enum class PenStyle { None = 0, Solid = 1, Dash = 2, Dot = 3 };

struct FontSetting {
  std::string name;  // empty: the chart's own font
  double size = 0;   // points; 0: the chart's own size
  bool operator==(const FontSetting&) const = default;
};

struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct GridPen {
  bool set = false;  // false: the chart's own grid lines
  PenStyle style = PenStyle::Solid;
  bool automaticColor = true;
  Rgb color;
};

struct AxisSetting {
  bool linearScale = true;
  bool automaticScale = true;
  double maximum = 0;      // used when the scale is not automatic
  int majorDivisions = 0;  // 0: not set, the chart picks the divisions
  TickStyle tickStyle = TickStyle::Outside;
  GridPen majorGrid;
  std::string title;
  FontSetting titleFont;
  bool titleVisible = false;
};

// Rows and columns of doubles, numbered from 1. An XY chart reads each pair
// of columns as one series: x values in the odd column, y in the even one.
// A bar chart reads column 1, one bar per row, labelled by the row label.
class DataGrid {
 public:
  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }
  // Resizing clears every value and label.
  void setRowCount(int rows);
  void setColumnCount(int columns);

  void setData(int row, int column, double value);
  double data(int row, int column) const;

  void setColumnLabel(int column, const std::string& label);
  const std::string& columnLabel(int column) const;
  void setRowLabel(int row, const std::string& label);
  const std::string& rowLabel(int row) const;

 private:
  void resize(int rows, int columns);
  std::size_t cell(int row, int column) const;
  // The slot of label `index` (from 1) among `count` labels.
  static std::size_t labelSlot(int index, int count, const char* what);

  int rows_ = 0;
  int columns_ = 0;
  std::vector<double> values_;
  std::vector<std::string> columnLabels_;
  std::vector<std::string> rowLabels_;
};

struct ChartData {
  ChartType type = ChartType::Xy2d;
  std::string title;
  FontSetting titleFont;
  bool legendVisible = false;
  FontSetting legendFont;
  LegendLocation legendLocation = LegendLocation::Right;
  bool uniformAxis = false;
  AxisSetting xAxis;
  AxisSetting yAxis;
  std::map<int, Rgb> seriesFill;  // series number (from 1): solid fill colour
  DataGrid grid;
};

}  // namespace vorelan
