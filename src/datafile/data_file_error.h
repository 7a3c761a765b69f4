#pragma once
// The messages by which a fault in the data file is reported. Each ends the
// program: the box is shown, then ProgramTermination unwinds to the handler.
#include <string>
#include <string_view>

#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* DataFileErrorTitle = "Error in data file";
inline constexpr const char* PleaseCorrectLine = "Please correct your data and rerun this program.";

// Shows firstLine, a line feed and the request to correct the data, titled
// "Error in data file", then ends the program.
[[noreturn]] void failDataFile(Platform& platform, const std::string& firstLine);

// "Check data of individual no. " i-1 " or " i: the record error.
std::string recordErrorLine(long individual);

// A text of the file as shown in a message: a long one cut short, control
// characters shown as "?", so that a damaged file cannot fill the box with its bytes.
std::string shownInMessage(std::string_view text);

// Joins a number into a message text without blanks (12, 0.5, -3); one that
// cannot be formed shows as "-".
std::string messageNumber(double value);

}  // namespace vorelan
