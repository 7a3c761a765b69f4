#pragma once
// The table of sayings: one saying a slot, the usage hint in the slot after
// the last saying. The main window shows the hint with a drawn saying in its
// large label and a second drawn slot in the small grey box.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_interface.h"

namespace vorelan {

inline constexpr std::size_t SayingCount = 53;

// The sayings of a text with one saying a line; blank lines are skipped.
std::vector<std::string> sayingsFromText(std::string_view text);

// The table `Quotation`: the sayings, then the usage hint.
std::vector<std::string> quotationTable(std::vector<std::string> sayings, const std::string& usageHint);

// A slot of 0 to slotCount - 1, each with the same chance.
std::size_t drawSlot(RandomNumbers& random, std::size_t slotCount);

struct DrawnSayings {
  std::string Label14;  // the usage hint, an empty line and a saying
  std::string Label3;   // a saying, or now and then the hint itself
};

// Draws the two captions from `Quotation` (the hint in its last slot).
DrawnSayings drawSayings(const std::vector<std::string>& Quotation, RandomNumbers& random);

}  // namespace vorelan
