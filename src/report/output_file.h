#pragma once
// Opening and closing an output file. Every report and file writer opens and
// closes through these, so a file that cannot be begun or written is never
// taken for a success: it is noted in `files.unwritten`, and the run tells
// the user of all such files once, at its end (report/file_failure.h).
#include <string>

#include "model/open_files.h"

namespace vorelan {

// Begins `path` for output; an earlier file of the name is replaced only
// when the file is closed whole. False, noted, when it cannot be begun.
bool openOutputFile(TextOutputFile& file, const std::string& path, OpenFiles& files);

// Closes the file, putting it in the earlier file's place. When it could not
// be written completely it is noted, the earlier file stays, and false is
// returned. A file that is not open is left as it is (true unless its
// opening failed, which was noted already).
bool closeOutputFile(TextOutputFile& file, OpenFiles& files);

}  // namespace vorelan
