#pragma once
// Finding a sex line of the header by its letter. The female and male rows of
// the tables follow the letters "F" and "M", whatever the order of the lines.
#include <string_view>

#include "model/cohort_data.h"

namespace vorelan {

// The sex line (1..S) labelled `letter`, or 0 when no line has that label.
inline int sexLineOf(const CohortHeader& header, std::string_view letter) {
  for (int s = 1; s <= header.NumSexes; ++s) {
    if (header.SexName(s) == letter) return s;
  }
  return 0;
}

}  // namespace vorelan
