#include "datafile/data_file_error.h"

#include <cmath>
#include <cstdio>

#include "model/not_formed_text.h"
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

std::string shownInMessage(std::string_view text) {
  constexpr std::size_t longestShown = 40;
  const auto isUtf8Continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  std::string shown(text);
  if (shown.size() > longestShown) {
    std::size_t cut = longestShown;
    while (cut > 0 && isUtf8Continuation(shown[cut])) --cut;
    shown = shown.substr(0, cut) + "...";
  }
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return shown;
}

std::string messageNumber(double value) {
  // A box shows what cannot be formed as the files do, never as inf or nan.
  if (!std::isfinite(value)) return NotFormedText;
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

}  // namespace vorelan
