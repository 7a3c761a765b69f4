#include "results/cell_text.h"

#include <cmath>

#include "model/statistics.h"
#include "report/number_text.h"

namespace vorelan {

std::string roundedText(double value, int decimals) {
  if (!std::isfinite(value)) return NoValue;
  const double rounded = roundHalfEven(value, decimals);
  // A small negative value rounded to zero is shown as 0, not -0.
  return writeNumberText(rounded == 0 ? 0.0 : rounded);
}

std::string plainText(double value) {
  if (!std::isfinite(value)) return NoValue;
  return writeNumberText(value == 0 ? 0.0 : value);
}

std::string meanText(double mean, std::int64_t n, int decimals) {
  return statistics::hasMean(n) ? roundedText(mean, decimals) : NoValue;
}

std::string spreadText(double value, std::int64_t n, int decimals) {
  return statistics::hasSpread(n) ? roundedText(value, decimals) : NoValue;
}

std::string standardErrorText(double sd, std::int64_t n, int decimals) {
  return spreadText(statistics::hasSpread(n) ? statistics::standardError(sd, n) : 0.0, n, decimals);
}

}  // namespace vorelan
