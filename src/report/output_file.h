#pragma once
// Opening and closing an output file, telling the user when it fails. Every
// report and file writer opens and closes through these, so a file that
// cannot be created or written is never taken for a success.
#include <string>

#include "model/open_files.h"
#include "platform/user_interface.h"

namespace vorelan {

// Opens `path` for output (an existing file is replaced). When the file
// cannot be created the "Error in output file" box names it; false then.
bool openOutputFile(TextOutputFile& file, const std::string& path, Platform& platform);

// Closes the file. When it could not be written completely, the box names it
// and false is returned. A file that is not open is left as it is (true
// unless its opening failed, which was told already).
bool closeOutputFile(TextOutputFile& file, Platform& platform);

}  // namespace vorelan
