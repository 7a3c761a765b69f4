#pragma once
// Parts of output file names taken from the names in the data file. A stage
// name may hold characters that a file name cannot (a slash would even lead
// outside the data file's folder), and two stage names cut to four characters
// may coincide, so that one stage's file would overwrite the other's.
#include <string>
#include <string_view>
#include <vector>

namespace vorelan {

// The folder of a path: all before its last "/", empty when it has none.
// The root keeps its separator: "/" is a folder. A "\" is an ordinary
// character of a file name here.
std::string folderOf(const std::string& path);
// The name of a path within its folder: all after its last "/".
std::string fileNameOf(const std::string& path);

// The name with every character that a file name cannot hold on the common
// desktop systems (/ \ : * ? " < > | and control characters) replaced by "_".
std::string fileNameSafe(std::string_view name);

struct StageNamePart {
  int stage;         // the stage number, added only to keep apart names that coincide
  std::string name;  // the name as it would stand in the file name
};

// The name parts of a family of per-stage files, in the order given: each
// name made safe; where two of them would name the same file, each of those
// carries its stage number ("Inst" of stages 1 and 2 gives "Inst1" and
// "Inst2"). Names that differ only in letter case name the same file on the
// usual desktop file systems and count as coinciding. Names that do not
// coincide stay as they are.
std::vector<std::string> distinctStageParts(const std::vector<StageNamePart>& stages);

}  // namespace vorelan
