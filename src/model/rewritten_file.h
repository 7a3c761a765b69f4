#pragma once
// A file written anew from its first byte. A file that exists already is
// written over where it stands and cut to the length written when it is
// closed, instead of being emptied when it is opened: emptying a file makes
// the file system free its blocks, take them again, and send the data to the
// disk at once on closing (its guard for files rewritten that way), which
// costs more than the writing itself when a run replaces a hundred files.
// What the file holds after close() is exactly what was written, as before;
// the file keeps its links and permissions.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace vorelan {

class RewrittenFile {
 public:
  RewrittenFile() = default;
  RewrittenFile(const RewrittenFile&) = delete;
  RewrittenFile& operator=(const RewrittenFile&) = delete;
  RewrittenFile(RewrittenFile&& other) noexcept { take(other); }
  RewrittenFile& operator=(RewrittenFile&& other) noexcept {
    if (this != &other) {
      close();
      take(other);
    }
    return *this;
  }
  // Whatever was written stands alone in the file, even when the owner is
  // left by an exception.
  ~RewrittenFile() { close(); }

  // False when the file can neither be opened in place nor created.
  bool open(const std::string& path) {
    close();
    path_ = path;
    written_ = 0;
    failed_ = false;
    // Opening for reading too keeps an existing file's bytes; one that does
    // not exist (or cannot be read) is created or emptied as usual.
    stream_.open(path, std::ios::binary | std::ios::in | std::ios::out);
    inPlace_ = stream_.is_open();
    if (!inPlace_) stream_.open(path, std::ios::binary | std::ios::out | std::ios::trunc);
    return stream_.is_open();
  }

  bool isOpen() const { return stream_.is_open(); }

  void write(const char* data, std::size_t size) {
    stream_.write(data, static_cast<std::streamsize>(size));
    if (!stream_) failed_ = true;
    written_ += size;
  }

  // Closes the file, cutting off what an earlier, longer file left beyond
  // the bytes written. False when any write, the flush or the cut failed.
  bool close() {
    if (!stream_.is_open()) return !failed_;
    stream_.flush();
    if (!stream_) failed_ = true;
    stream_.close();
    if (stream_.fail()) failed_ = true;
    stream_.clear();
    if (inPlace_) {
      std::error_code error;
      std::filesystem::resize_file(path_, written_, error);
      if (error) failed_ = true;
    }
    inPlace_ = false;
    return !failed_;
  }

 private:
  void take(RewrittenFile& other) noexcept {
    stream_ = std::move(other.stream_);
    path_ = std::move(other.path_);
    written_ = other.written_;
    inPlace_ = other.inPlace_;
    failed_ = other.failed_;
    other.inPlace_ = false;  // the cut is the new owner's
  }

  std::fstream stream_;
  std::string path_;
  std::uintmax_t written_ = 0;
  bool inPlace_ = false;
  bool failed_ = false;
};

}  // namespace vorelan
