#pragma once
// The one reading of a whole input file into memory, for every reader of the
// program: a folder, a file that cannot be opened and a read that fails part
// way (a failing disk, a dropped network folder) are each told apart, so
// that a reader refuses the file instead of taking what came before the fault.
// Only a plain file is read: a named pipe, a device or a socket is refused
// without waiting on it, and so is a file larger than any input can be.
#include <cstdint>
#include <optional>
#include <string>

#include "model/limits.h"

namespace vorelan {

// The largest file that any reader takes. The bootstrap samples file is by
// far the largest input: at the limits it holds MaxBootstrapReplicates
// samples, each a label, MaxIndividuals individual numbers (at most 3 digits
// and a comma or line end: 4 bytes) and the Ro and lambda lines (two labels
// and two numbers), with the file's head and statistics (27 fields) besides.
// Fields of 32 bytes for the labels and numbers (a double in full with its
// sign and exponent takes 24) give 352,018,464 bytes. The data file at the
// limits holds 400 records of at most 2 + 11 + 404 + 11 fields, each of 25
// bytes at most (a daily value of 1e12 written in full, and its comma), and
// a header of at most 44 fields of MaxFieldBytes (4096): under 5 MB. The
// stable distribution holds 406 ages of 12 values and 400 records of 7
// fields: under 1 MB. The cap is twice the samples file, room for blanks,
// line ends of two bytes and wider forms of the numbers.
inline constexpr std::uintmax_t LargestSamplesFileBytes =
    std::uintmax_t{limits::MaxBootstrapReplicates} * (std::uintmax_t{limits::MaxIndividuals} * 4 + 5 * 32) + 27 * 32;
inline constexpr std::uintmax_t LargestDataFileBytes =
    std::uintmax_t{limits::MaxIndividuals} * (2 + limits::MaxStages + limits::MaxLifeTimeUnits + limits::MaxStages) *
        25 +
    (3 + 3 + limits::MaxSexLines * (1 + limits::MaxStages) + 2) * 4097;
inline constexpr std::uintmax_t MaxInputFileBytes = 2 * LargestSamplesFileBytes;
static_assert(LargestDataFileBytes < MaxInputFileBytes);

// Causes of a refusal that are no error of the system, given in
// FileBytesRead::error beside the system's error numbers (all positive);
// EFBIG is a file larger than the cap.
inline constexpr int NamedPipeNotFile = -1;
inline constexpr int DeviceNotFile = -2;
inline constexpr int SocketNotFile = -3;
inline constexpr int OtherKindNotFile = -4;

struct FileBytesRead {
  std::optional<std::string> bytes;  // every byte of the file; nothing when it could not be read
  int error = 0;                     // then why: the error number, EISDIR for a folder, or a cause above
};

FileBytesRead readFileBytesWithCause(const std::string& path);

// The reading itself, with a cap of the caller's: a file larger than
// `maxBytes` is refused (EFBIG), and of a file that grows while it is read
// no more than `maxBytes` + 1 bytes are read.
FileBytesRead readFileBytesWithCause(const std::string& path, std::uintmax_t maxBytes);

// The rest of an opened descriptor, from where it stands: `sizeHint` is the
// size the system gives (a first guess: a file may grow meanwhile, and some
// files tell 0), and no more than `maxBytes` + 1 bytes are read from it.
// EFBIG when there are more than `maxBytes`.
FileBytesRead readOpenedFile(int descriptor, std::uintmax_t sizeHint, std::uintmax_t maxBytes);

// The bytes alone, for a reader that words its own refusal.
std::optional<std::string> readFileBytes(const std::string& path);

// Why a file could not be read, in the user's words, from the error number
// of FileBytesRead: a clause such as "it is a folder, not a file".
std::string unreadableReason(int error);

}  // namespace vorelan
