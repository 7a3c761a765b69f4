#include "resampling/c0_frequency_classes.h"

namespace vorelan {
namespace {

// The class of a value not below the begin of any class searched: with
// width 0 all begins equal the value, so it is class 0; otherwise only
// rounding of a huge Min with a tiny width can get there, and the value is
// the largest, which belongs to the top class.
constexpr int TopClass = 20;

void findExtremes(C0FrequencyClasses& classes, std::span<const double> values) {
  classes.Min = values.empty() ? 0 : values.front();
  classes.Max = classes.Min;
  for (double v : values) {
    if (v > classes.Max) {
      classes.Max = v;
    } else if (v < classes.Min) {
      classes.Min = v;
    }
  }
}

void setBegins(C0FrequencyClasses& classes, int lastClass) {
  const double w = classes.ClassWidth;
  for (int i = 0; i <= lastClass; ++i) {
    classes.ClassBegin(i) = i * w + classes.Min;
    classes.ClassCenter(i) = w * 0.5 + classes.ClassBegin(i);
  }
}

// The first class j - 1 whose next begin, j = 1..lastSearched, lies above v.
int classOf(const C0FrequencyClasses& classes, double v, int lastSearched) {
  if (classes.ClassWidth == 0) return 0;
  for (int j = 1; j <= lastSearched; ++j) {
    if (v < classes.ClassBegin(j)) return j - 1;
  }
  return TopClass;
}

}  // namespace

void classifyC0(C0FrequencyClasses& classes, std::span<const double> values, C0ClassRule rule) {
  findExtremes(classes, values);
  classes.ClassWidth = (classes.Max - classes.Min) / 20;
  const bool jackknifeFromZero = rule == C0ClassRule::Jackknife && classes.Min == 0;
  const bool zerosCounted = rule == C0ClassRule::Jackknife && classes.Min != 0;
  const int lastBegin = rule == C0ClassRule::Bootstrap ? 23 : (jackknifeFromZero ? 21 : 22);
  const int lastSearched = jackknifeFromZero ? 21 : 22;
  setBegins(classes, lastBegin);
  classes.Frequency.clear();
  for (double v : values) {
    if (v == 0 && !zerosCounted) continue;
    classes.Frequency(classOf(classes, v, lastSearched)) += 1;
  }
}

}  // namespace vorelan
