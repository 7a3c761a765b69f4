#pragma once
// The statistics rule of the whole program: n, mean = sum / n,
// SD = square root of (sum of squares - sum^2 / n) / (n - 1), SE = SD / sqrt(n).
// A mean needs n other than 0, a standard deviation and standard error n
// above 1; callers keep the count, so that a report can print "-" where a
// statistic cannot be formed. A variance that rounding makes slightly
// negative (all values equal) counts as 0.
#include <cmath>
#include <cstdint>

namespace vorelan::statistics {

inline bool hasMean(std::int64_t n) { return n != 0; }
inline bool hasSpread(std::int64_t n) { return n > 1; }

inline double mean(double sum, std::int64_t n) { return sum / static_cast<double>(n); }

// Sample variance of n > 1 values; never negative.
inline double variance(double sum, double sumSq, std::int64_t n) {
  const double count = static_cast<double>(n);
  const double v = (sumSq - sum * sum / count) / (count - 1);
  return v > 0 ? v : 0;
}

inline double standardDeviation(double sum, double sumSq, std::int64_t n) {
  return std::sqrt(variance(sum, sumSq, n));
}

inline double standardError(double sd, std::int64_t n) { return sd / std::sqrt(static_cast<double>(n)); }

// Count, sum, sum of squares and extremes of a group of values.
struct Accumulator {
  std::int64_t n = 0;
  double sum = 0;
  double sumSq = 0;
  double min = 0;  // smallest and largest value added; 0 while none is
  double max = 0;

  void add(double v) {
    if (n == 0) {
      min = v;
      max = v;
    } else {
      min = v < min ? v : min;
      max = v > max ? v : max;
    }
    ++n;
    sum += v;
    sumSq += v * v;
  }
  bool hasMean() const { return statistics::hasMean(n); }
  bool hasSpread() const { return statistics::hasSpread(n); }
  double mean() const { return statistics::mean(sum, n); }
  double variance() const { return statistics::variance(sum, sumSq, n); }
  double sd() const { return statistics::standardDeviation(sum, sumSq, n); }
  double se() const { return standardError(sd(), n); }

  // Stores the count, sum and sum of squares, then the mean and standard
  // deviation where they can be formed; one that cannot keeps its value.
  template <class Count>
  void store(Count& count, double& total, double& totalSq, double& meanOf, double& sdOf) const {
    count = static_cast<Count>(n);
    total = sum;
    totalSq = sumSq;
    if (hasMean()) meanOf = mean();
    if (hasSpread()) sdOf = sd();
  }
};

}  // namespace vorelan::statistics
