#pragma once
// The one reading of a whole input file into memory, for every reader of the
// program: a folder, a file that cannot be opened and a read that fails part
// way (a failing disk, a dropped network folder) are each told apart, so
// that a reader refuses the file instead of taking what came before the fault.
#include <optional>
#include <string>

namespace vorelan {

struct FileBytesRead {
  std::optional<std::string> bytes;  // every byte of the file; nothing when it could not be read
  int error = 0;                     // then why: the error number, EISDIR for a folder
};

FileBytesRead readFileBytesWithCause(const std::string& path);

// The bytes alone, for a reader that words its own refusal.
std::optional<std::string> readFileBytes(const std::string& path);

// Why a file could not be read, in the user's words, from the error number
// of FileBytesRead: a clause such as "it is a folder, not a file".
std::string unreadableReason(int error);

}  // namespace vorelan
