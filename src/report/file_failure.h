#pragma once
// Telling the user that an output file could not be created or written.
#include <string>

#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* OutputFileErrorTitle = "Error in output file";

void reportUnwritableFile(Platform& platform, const std::string& path);

}  // namespace vorelan
