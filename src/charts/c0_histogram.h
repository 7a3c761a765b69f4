#pragma once
// The histogram of the resampled net consumption rates C0 (jackknife
// pseudo-values or bootstrap replicates) that a resampling run leaves on the
// main window's second chart: 23 bars, the frequencies of classes 0..22,
// each labelled, under a title. The chart type and scales are the chart's own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "charts/chart_data.h"

namespace vorelan {

struct C0Histogram {
  static constexpr int Bars = 23;

  std::string title;
  std::array<std::string, Bars> labels;
  std::array<std::int32_t, Bars> frequencies{};
  std::optional<Rgb> barFill;  // the jackknife's bars are solid blue

  bool operator==(const C0Histogram&) const = default;
};

// Sets the title, the fonts of the title and of the x-axis title (Arial,
// 10 points), the bars' fill and one bar per row of the grid.
void fillC0Histogram(ChartData& chart, const C0Histogram& histogram);

}  // namespace vorelan
