#pragma once
// A data error ends the program. The core shows its message, then throws
// ProgramTermination; the event handler that started the work catches it,
// closes every open file and ends the program.
#include <exception>

namespace vorelan {

class ProgramTermination : public std::exception {
 public:
  const char* what() const noexcept override { return "the program ends after a data error"; }
};

}  // namespace vorelan
