#pragma once
// Number texts of the result windows: the plain decimal form without a
// leading blank (0.25, 1, 12.5), after the report's rounding, and "-" where
// a statistic cannot be formed, as the report's statistics tables print it.
#include <cstdint>
#include <string>

namespace vorelan {

inline constexpr const char* NoValue = "-";

// The value rounded half to even to `decimals` places; "-" for a value that
// is not a number or infinite.
std::string roundedText(double value, int decimals);

// The value as it stands, in up to 15 significant digits.
std::string plainText(double value);

// A mean needs a count above 0; a standard deviation and a standard error a
// count above 1. Otherwise the cell shows "-".
std::string meanText(double mean, std::int64_t n, int decimals);
std::string spreadText(double value, std::int64_t n, int decimals);
// The standard error S.D. / sqrt(n) of a mean of n values.
std::string standardErrorText(double sd, std::int64_t n, int decimals);

}  // namespace vorelan
