#include "resampling/show_freq_c0.h"

#include <string>

#include "report/number_text.h"

namespace vorelan {
namespace {

// A number joined to a text: no sign blank, a zero before the point (0.125).
std::string joined(double value, int decimals) { return writeNumberText(roundHalfEven(value, decimals)); }

// Row 0 is "0" unless `firstFromCentre`; rows 1..22 are the class centres.
void fillBars(C0Histogram& histogram, const C0FrequencyClasses& classes, bool firstFromCentre) {
  for (int i = 0; i < C0Histogram::Bars; ++i) {
    histogram.labels[i] = joined(classes.ClassCenter(i), 2);
    histogram.frequencies[i] = classes.Frequency(i);
  }
  if (!firstFromCentre) histogram.labels[0] = "0";
}

C0Histogram jackknifeHistogram(const JackknifeState& jack) {
  C0Histogram histogram;
  fillBars(histogram, jack.JackClasses, false);
  histogram.title =
      "Frequency of pseudo-Co (interval =" + joined(jack.JackClasses.ClassWidth, 3) + ").";
  histogram.barFill = Rgb{0, 0, 255};
  return histogram;
}

C0Histogram bootstrapHistogram(const BootstrapState& boot) {
  const C0FrequencyClasses& classes = boot.BootClasses;
  C0Histogram histogram;
  fillBars(histogram, classes, classes.Frequency(0) != 0);
  histogram.title = "C0: Bootstrap number = " + writeNumberText(boot.NumBootstrap) +
                    ".  Min =" + joined(classes.Min, 2) + ". Mean=" + joined(boot.BootC0Mean, 2) +
                    ". Max =" + joined(classes.Max, 2) + ". SE =" + joined(boot.BootC0SE, 3);
  return histogram;
}

}  // namespace

std::optional<C0Histogram> ShowFreqC0(const AnalysisState& state) {
  if (state.run.ResampleMethod == "j") return jackknifeHistogram(state.jackknife);
  if (state.run.ResampleMethod == "b") return bootstrapHistogram(state.bootstrap);
  return std::nullopt;
}

}  // namespace vorelan
