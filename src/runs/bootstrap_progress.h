#pragma once
// What the main window shows of a bootstrap run while its replicates go:
// the progress sign of Label6, which changes at every thousandth replicate
// before the last, and a count a user can read.
#include <cstdint>
#include <optional>
#include <string>

#include "model/run_state.h"

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

// The colour after `signs` signs, from the colour Label6 had when the
// replicates began: the colour alternates at every thousandth.
ProgressSignColour signColourAfter(ProgressSignColour atBegin, std::int64_t signs);

// What one delivery of progress does to Label6. Deliveries are joined when
// the replicates run faster than the window takes them, so one may bring
// several thousandths: the label then takes the colour of their count, and
// when that is the colour it already shows (an even number at once), it
// passes through the other colour first, so that the user still sees a sign.
struct ProgressSignStep {
  bool newSign = false;  // the caption gets the present date and time
  ProgressSignColour colour = ProgressSignColour::Own;
  std::optional<ProgressSignColour> passingColour;  // shown for a moment before `colour`
};
ProgressSignStep progressSignStep(ProgressSignColour atBegin, std::int64_t signsShown, std::int64_t signs);

// The greeting timer writes the date into Label6, except while the
// replicates of a bootstrap run go: Label6 is their sign then.
bool greetingTimerWritesLabel6(const RunFlags& run);

}  // namespace vorelan
