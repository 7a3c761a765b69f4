#pragma once
// The lines that tell the number of effective consumers Nc and their mean
// consumption Cbar: the two closing lines of the per-individual consumption
// tables, and the summary lines under the l(x) table.
#include <string>

#include "model/lifetime_statistics.h"
#include "model/open_files.h"

namespace vorelan {

void printEffectiveConsumers(TextOutputFile& out, const LongevityStatistics& lg);

// A line at column 5: its text, then the value as a number item (rounded to
// `decimals`, or with all its digits when `decimals` is negative), or "-"
// where the value cannot be formed (there is no Cbar without an effective
// consumer).
void printValueLine(TextOutputFile& out, const std::string& text, bool defined, double value,
                    int decimals = -1);

}  // namespace vorelan
