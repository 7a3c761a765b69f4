#pragma once
// State of the jackknife run: the individual left out of the current pass.
#include <cstdint>

namespace vorelan {

struct JackknifeState {
  // The individual left out in the current pass, 1..NumIndividualsInFile;
  // 0 while no pass runs.
  std::int32_t JackOmitted = 0;
};

}  // namespace vorelan
