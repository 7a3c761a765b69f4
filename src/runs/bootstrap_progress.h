#pragma once
// What the main window shows of a bootstrap run while its replicates go:
// the progress sign of Label6, which changes at every thousandth replicate
// before the last, and a count a user can read.
#include <cstdint>
#include <string>

namespace vorelan {

// Label6's back colour: yellow (FFFF), green (FF00) or its own.
enum class ProgressSignColour { Own, Yellow, Green };

struct BootstrapProgress {
  std::int64_t signs = 0;  // changes of Label6 so far
  std::string text;        // "12000 of 40000 replicates done"
};

// After `done` of `total` replicates: one sign at each of replicates 1000,
// 2000, ... below the last (the last replicate ends the loop before its sign).
BootstrapProgress bootstrapProgress(std::int64_t done, std::int64_t total);

// The colour after one more sign: yellow turns green, any other yellow.
ProgressSignColour nextSignColour(ProgressSignColour colour);

}  // namespace vorelan
