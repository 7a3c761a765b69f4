#pragma once
// Opening and closing an output file. Every report and file writer opens and
// closes through these, so a file that cannot be begun or written is never
// taken for a success: it is noted in `files.unwritten`, and the run tells
// the user of all such files once, at its end (report/file_failure.h).
//
// While a run gathers its files (gatherRunFiles), a closed file waits,
// written whole, in `files.waiting`; at the run's end all of them are
// flushed to the disk together and only then take the places of their
// earlier files. Otherwise a file is flushed and put in place at its close.
#include <string>

#include "model/open_files.h"

namespace vorelan {

// Begins `path` for output; an earlier file of the name is replaced only
// when the file is closed whole and put in place. False, noted, when it
// cannot be begun.
bool openOutputFile(TextOutputFile& file, const std::string& path, OpenFiles& files);

// Closes the file, to wait with the others of its run or to take its place
// at once. When it could not be
// written completely it is noted, the earlier file stays, and false is
// returned. A file that is not open is left as it is (true unless its
// opening failed, which was noted already).
bool closeOutputFile(TextOutputFile& file, OpenFiles& files);

// A file written whole elsewhere (on another thread), taken as at its
// close. False when it failed to take its place (noted).
bool closeWrittenFile(ReplacedFile&& file, OpenFiles& files);

// From now on the files closed wait until the run's end.
void gatherRunFiles(OpenFiles& files);

// Puts every waiting file in place and ends the gathering; one that fails
// at its flush or rename is noted, its earlier file kept.
void placeWrittenFiles(OpenFiles& files);

// The same for the files of a run that stands or falls with its report:
// when the report cannot be written or flushed, no file of the run takes
// its place, and every one is noted. False then.
bool placeRunFiles(OpenFiles& files, const std::string& reportPath);

}  // namespace vorelan
