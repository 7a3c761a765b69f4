#pragma once
// What the program shows in place of a value that cannot be formed (an
// overflow, 0/0): files, tables, windows and message boxes alike never show
// inf or NaN.
namespace vorelan {

inline constexpr const char* NotFormedText = "-";

}  // namespace vorelan
