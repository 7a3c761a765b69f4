#include "datafile/file_bytes.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

namespace vorelan {
namespace {

struct FileCloser {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using OpenedFile = std::unique_ptr<std::FILE, FileCloser>;

// Reads straight into `text` to the end of the file; the error number of a
// failed read, else 0. The size on disk is only a first guess (a file may
// grow meanwhile, a device tells none): one byte more than it lets the first
// read come up short at the end, and a full buffer grows.
int readToEnd(std::FILE* stream, const std::string& path, std::string& text) {
  std::error_code unknownSize;
  const std::uintmax_t size = std::filesystem::file_size(path, unknownSize);
  text.assign(unknownSize ? 4096 : static_cast<std::size_t>(size) + 1, '\0');
  std::size_t used = 0;
  bool grown = false;
  for (;;) {
    errno = 0;
    used += std::fread(text.data() + used, 1, text.size() - used, stream);
    if (used < text.size()) break;
    text.resize(text.size() * 2);
    grown = true;
  }
  if (std::ferror(stream)) return errno != 0 ? errno : EIO;
  text.resize(used);
  // A samples file runs to tens of megabytes, held while a run goes: a
  // buffer that grew is given back down to the bytes read.
  if (grown) text.shrink_to_fit();
  return 0;
}

}  // namespace

FileBytesRead readFileBytesWithCause(const std::string& path) {
  // A folder may open as a stream that reads as empty; it is no input file.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return {std::nullopt, EISDIR};
  errno = 0;
  const OpenedFile stream(std::fopen(path.c_str(), "rb"));
  if (!stream) return {std::nullopt, errno};
  // Unbuffered: the reads go straight into the text, not through a copy.
  std::setvbuf(stream.get(), nullptr, _IONBF, 0);
  std::string text;
  if (const int error = readToEnd(stream.get(), path, text)) return {std::nullopt, error};
  return {std::move(text), 0};
}

std::optional<std::string> readFileBytes(const std::string& path) {
  return std::move(readFileBytesWithCause(path).bytes);
}

std::string unreadableReason(int error) {
  if (error == 0) return "it cannot be read";
  const std::error_condition cause = std::generic_category().default_error_condition(error);
  if (cause == std::errc::is_a_directory) return "it is a folder, not a file";
  if (cause == std::errc::no_such_file_or_directory) return "it does not exist";
  if (cause == std::errc::permission_denied || cause == std::errc::operation_not_permitted) {
    return "there is no permission to read it";
  }
  if (cause == std::errc::not_a_directory) return "a part of its path is not a folder";
  if (cause == std::errc::filename_too_long) return "its name is too long";
  if (cause == std::errc::io_error) return "it cannot be read: the disk or network folder it is on failed";
  return "it cannot be read (" + std::generic_category().message(error) + ")";
}

}  // namespace vorelan
