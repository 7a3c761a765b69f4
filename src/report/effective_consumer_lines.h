#pragma once
// The two closing lines of the per-individual consumption tables: the number
// of effective consumers Nc and their mean consumption Cbar.
#include "model/lifetime_statistics.h"
#include "model/open_files.h"

namespace vorelan {

void printEffectiveConsumers(TextOutputFile& out, const LongevityStatistics& lg);

}  // namespace vorelan
