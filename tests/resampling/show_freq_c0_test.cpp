#include "resampling/show_freq_c0.h"

#include <gtest/gtest.h>

#include <vector>

#include "resampling/c0_frequency_classes.h"

namespace vorelan {
namespace {

TEST(ShowFreqC0, JackknifeHistogramHasBlueBarsUnderTheClassWidth) {
  AnalysisState state;
  state.run.ResampleMethod = "j";
  classifyC0(state.jackknife.JackClasses, std::vector<double>{1, 3.5}, C0ClassRule::Jackknife);
  const auto histogram = ShowFreqC0(state);
  ASSERT_TRUE(histogram);
  EXPECT_EQ(histogram->title, "Frequency of pseudo-Co (interval =0.125).");
  EXPECT_EQ(histogram->labels[0], "0");
  EXPECT_EQ(histogram->labels[1], "1.19");  // centre 1.1875
  EXPECT_EQ(histogram->labels[2], "1.31");  // centre 1.3125, half to even
  EXPECT_EQ(histogram->labels[22], "3.81");  // centre 3.8125
  EXPECT_EQ(histogram->frequencies[0], 1);
  EXPECT_EQ(histogram->frequencies[20], 1);
  EXPECT_EQ(histogram->barFill, (Rgb{0, 0, 255}));
}

TEST(ShowFreqC0, BootstrapHistogramLabelsItsFirstBarByItsCentreOnlyWhenTheClassHoldsValues) {
  AnalysisState state;
  state.run.ResampleMethod = "b";
  state.bootstrap.NumBootstrap = 2;
  state.bootstrap.BootC0Mean = 2;
  state.bootstrap.BootC0SE = 1.4142135623730951;
  classifyC0(state.bootstrap.BootClasses, std::vector<double>{1, 3}, C0ClassRule::Bootstrap);
  auto histogram = ShowFreqC0(state);
  ASSERT_TRUE(histogram);
  EXPECT_EQ(histogram->title, "C0: Bootstrap number = 2.  Min =1. Mean=2. Max =3. SE =1.414");
  EXPECT_EQ(histogram->labels[0], "1.05");
  EXPECT_EQ(histogram->labels[20], "3.05");
  EXPECT_FALSE(histogram->barFill);

  state.bootstrap.BootClasses.Frequency(0) = 0;
  histogram = ShowFreqC0(state);
  EXPECT_EQ(histogram->labels[0], "0");
  EXPECT_EQ(histogram->frequencies[0], 0);
}

TEST(ShowFreqC0, NothingIsDrawnOutsideAResamplingMode) {
  AnalysisState state;
  state.run.ResampleMethod = "";
  EXPECT_FALSE(ShowFreqC0(state));
}

TEST(C0HistogramChart, OneLabelledBarPerRowInArialTen) {
  C0Histogram histogram;
  histogram.title = "Title";
  for (int i = 0; i < C0Histogram::Bars; ++i) {
    histogram.labels[i] = "L" + std::to_string(i);
    histogram.frequencies[i] = i * 2;
  }
  histogram.barFill = Rgb{0, 0, 255};
  ChartData chart;
  chart.type = ChartType::Bar2d;
  fillC0Histogram(chart, histogram);
  EXPECT_EQ(chart.type, ChartType::Bar2d);
  EXPECT_EQ(chart.title, "Title");
  EXPECT_EQ(chart.titleFont, (FontSetting{"Arial", 10}));
  EXPECT_EQ(chart.xAxis.titleFont, (FontSetting{"Arial", 10}));
  EXPECT_EQ(chart.seriesFill.at(1), (Rgb{0, 0, 255}));
  ASSERT_EQ(chart.grid.rowCount(), 23);
  ASSERT_EQ(chart.grid.columnCount(), 1);
  EXPECT_EQ(chart.grid.rowLabel(1), "L0");
  EXPECT_EQ(chart.grid.rowLabel(23), "L22");
  EXPECT_EQ(chart.grid.data(23, 1), 44);

  histogram.barFill.reset();
  fillC0Histogram(chart, histogram);
  EXPECT_EQ(chart.seriesFill.count(1), 0u);
}

}  // namespace
}  // namespace vorelan
