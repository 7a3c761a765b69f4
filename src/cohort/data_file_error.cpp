#include "cohort/data_file_error.h"

#include <cmath>
#include <cstdio>

#include "platform/program_termination.h"

namespace vorelan {

void failDataFile(Platform& platform, const std::string& firstLine) {
  platform.message.show(firstLine + "\n" + PleaseCorrectLine, DataFileErrorTitle);
  throw ProgramTermination();
}

std::string recordErrorLine(long individual) {
  return "Check data of individual no. " + std::to_string(individual - 1) + " or " +
         std::to_string(individual);
}

std::string messageNumber(double value) {
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

}  // namespace vorelan
