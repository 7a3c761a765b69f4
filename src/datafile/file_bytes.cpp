#include "datafile/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <string>
#include <utility>

#include "model/descriptor.h"

namespace vorelan {
namespace {

// What a file that is not a plain one is, as a cause of FileBytesRead.
int notPlainFileCause(mode_t mode) {
  if (S_ISDIR(mode)) return EISDIR;
  if (S_ISFIFO(mode)) return NamedPipeNotFile;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return DeviceNotFile;
  if (S_ISSOCK(mode)) return SocketNotFile;
  return OtherKindNotFile;
}

// An open that fails: a socket cannot be opened at all (ENXIO); looked at
// by its name, it is told as what it is.
int openFailureCause(const std::string& path, int error) {
  struct stat status {};
  if (error == ENXIO && ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    return notPlainFileCause(status.st_mode);
  }
  return error;
}

// 704036928 as "704,036,928".
std::string withThousands(std::uintmax_t number) {
  std::string digits = std::to_string(number);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

}  // namespace

FileBytesRead readOpenedFile(int descriptor, std::uintmax_t sizeHint, std::uintmax_t maxBytes) {
  // One byte more than the size lets the read that fills the text come up
  // short at the end, so that the next read sees it; a full buffer grows,
  // never beyond one byte over the cap.
  const std::uintmax_t limit = maxBytes + 1;
  std::string text(static_cast<std::size_t>(std::min(sizeHint, maxBytes) + 1), '\0');
  std::size_t used = 0;
  bool grown = false;
  for (;;) {
    const ssize_t got = ::read(descriptor, text.data() + used, text.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return {std::nullopt, errno != 0 ? errno : EIO};
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
    if (used < text.size()) continue;
    if (used >= limit) return {std::nullopt, EFBIG};
    text.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(limit, std::uintmax_t{text.size()} * 2)));
    grown = true;
  }
  text.resize(used);
  // A samples file runs to tens of megabytes, held while a run goes: a
  // buffer that grew is given back down to the bytes read.
  if (grown) text.shrink_to_fit();
  return {std::move(text), 0};
}

FileBytesRead readFileBytesWithCause(const std::string& path, std::uintmax_t maxBytes) {
  // Without blocking: a named pipe with no writer, or a device, would hold
  // the open (or the first read) for ever. The opened file itself is looked
  // at, not its name, so that what is read is what was looked at.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return {std::nullopt, openFailureCause(path, errno)};
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return {std::nullopt, errno};
  if (!S_ISREG(status.st_mode)) return {std::nullopt, notPlainFileCause(status.st_mode)};
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  if (size > maxBytes) return {std::nullopt, EFBIG};
  // A plain file reads alike with or without O_NONBLOCK, but a file system
  // may honour it: the reads wait as for any file.
  if (::fcntl(file.get(), F_SETFL, 0) != 0) return {std::nullopt, errno};
  return readOpenedFile(file.get(), size, maxBytes);
}

FileBytesRead readFileBytesWithCause(const std::string& path) {
  return readFileBytesWithCause(path, MaxInputFileBytes);
}

std::optional<std::string> readFileBytes(const std::string& path) {
  return std::move(readFileBytesWithCause(path).bytes);
}

std::string unreadableReason(int error) {
  switch (error) {
    case 0: return "it cannot be read";
    case NamedPipeNotFile: return "it is a named pipe, not a plain file";
    case DeviceNotFile: return "it is a device, not a plain file";
    case SocketNotFile: return "it is a socket, not a plain file";
    case OtherKindNotFile: return "it is not a plain file";
    default: break;
  }
  const std::error_condition cause = std::generic_category().default_error_condition(error);
  if (cause == std::errc::is_a_directory) return "it is a folder, not a file";
  if (cause == std::errc::no_such_file_or_directory) return "it does not exist";
  if (cause == std::errc::permission_denied || cause == std::errc::operation_not_permitted) {
    return "there is no permission to read it";
  }
  if (cause == std::errc::not_a_directory) return "a part of its path is not a folder";
  if (cause == std::errc::filename_too_long) return "its name is too long";
  if (cause == std::errc::io_error) return "it cannot be read: the disk or network folder it is on failed";
  if (cause == std::errc::file_too_large) {
    return "it is larger than any file the program can read (" + withThousands(MaxInputFileBytes) +
           " bytes at most)";
  }
  return "it cannot be read (" + std::generic_category().message(error) + ")";
}

}  // namespace vorelan
