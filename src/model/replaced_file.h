#pragma once
// An output file that replaces an earlier file of its name whole or not at
// all. It is written to a temporary file in the same folder, which takes the
// earlier file's place (one rename) only once every byte is written and the
// file closed without error. A failed write, an exception leaving the writer,
// a stopped run or a killed program leave the earlier file exactly as it was.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace vorelan {

// A test's stand-in for a failing disk: asked before every write of `size`
// bytes at `offset` of the file that will replace `target`; it may cut `size`
// to the bytes that still reach the file, and returns the error number the
// write then fails with (0: no fault).
using WriteFault = std::function<int(const std::string& target, std::uintmax_t offset, std::size_t& size)>;

// Temporary files are hidden, and named so that no result file (they all end
// in ".txt") and no name a user would choose can be one of them.
inline constexpr std::string_view TemporaryFilePrefix = ".vorelan-";
inline constexpr std::string_view TemporaryFileSuffix = ".part";
inline constexpr std::size_t TemporaryFileTokenLength = 16;

// The error of a name taken by something other than a plain file (a device,
// a pipe): such a thing is never replaced.
inline constexpr int NotAPlainFile = EINVAL;

inline bool isTemporaryFileName(std::string_view name) {
  if (name.size() != TemporaryFilePrefix.size() + TemporaryFileTokenLength + TemporaryFileSuffix.size()) return false;
  if (!name.starts_with(TemporaryFilePrefix) || !name.ends_with(TemporaryFileSuffix)) return false;
  const std::string_view token = name.substr(TemporaryFilePrefix.size(), TemporaryFileTokenLength);
  return token.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Removes what a killed run left in `folder`. Nothing else there is touched.
inline void removeLeftTemporaryFiles(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    std::error_code ignored;
    if (isTemporaryFileName(entries->path().filename().string()) && entries->is_regular_file(ignored)) {
      std::filesystem::remove(entries->path(), ignored);
    }
  }
}

class ReplacedFile {
 public:
  ReplacedFile() = default;
  ReplacedFile(const ReplacedFile&) = delete;
  ReplacedFile& operator=(const ReplacedFile&) = delete;
  ReplacedFile(ReplacedFile&& other) noexcept { take(other); }
  ReplacedFile& operator=(ReplacedFile&& other) noexcept {
    if (this != &other) {
      discard();
      take(other);
    }
    return *this;
  }
  // A file never committed was never finished: the earlier one stays.
  ~ReplacedFile() { discard(); }

  // Begins the file that will replace `path`. False when it cannot be
  // begun; error() then tells why.
  bool open(const std::string& path, const WriteFault* fault = nullptr) {
    discard();
    fault_ = fault;
    written_ = 0;
    error_ = 0;
    target_ = replacedPath(path);
    if (!checkTarget()) return false;
    temporary_ = target_.parent_path() / temporaryName();
    stream_ = std::fopen(temporary_.c_str(), "wbx");
    if (stream_ == nullptr) {
      fail(errno);
      return false;
    }
    // The caller writes in large pieces of its own.
    std::setvbuf(stream_, nullptr, _IONBF, 0);
    return true;
  }

  bool isOpen() const { return stream_ != nullptr; }

  void write(const char* data, std::size_t size) {
    if (stream_ == nullptr || error_ != 0) return;
    int injected = 0;
    if (fault_ != nullptr && *fault_) injected = (*fault_)(target_.string(), written_, size);
    if (size > 0 && std::fwrite(data, 1, size, stream_) != size) fail(errno);
    written_ += size;
    if (injected != 0) fail(injected);
  }

  // Puts the new file in the earlier one's place. False, with the earlier
  // file left as it was, when any write, the close or the replacement failed.
  bool commit() {
    if (stream_ == nullptr) return error_ == 0;
    if (std::fclose(stream_) != 0) fail(errno);
    stream_ = nullptr;
    std::error_code error;
    if (error_ == 0 && keepsPermissions_) std::filesystem::permissions(temporary_, permissions_, error);
    if (error_ == 0 && !error) std::filesystem::rename(temporary_, target_, error);
    if (error) fail(error.value());
    if (error_ != 0) removeTemporary();
    temporary_.clear();
    return error_ == 0;
  }

  // Gives up the new file: the earlier one stays, and nothing is left behind.
  void discard() {
    if (stream_ == nullptr) return;
    std::fclose(stream_);
    stream_ = nullptr;
    removeTemporary();
    temporary_.clear();
  }

  // The error number of the first failure (0: none).
  int error() const { return error_; }

 private:
  // A link is followed, so that the file it points to is replaced and the
  // link stays a link.
  static std::filesystem::path replacedPath(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
      const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
      if (!error) return resolved;
    }
    return path;
  }

  // An earlier file keeps its permissions; one that may not be written (a
  // result the user has made read-only) is not replaced, nor a folder, a
  // device or anything else that is not a plain file.
  bool checkTarget() {
    keepsPermissions_ = false;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(target_, error);
    if (error || status.type() == std::filesystem::file_type::not_found) return true;
    if (status.type() == std::filesystem::file_type::directory) return fail(EISDIR);
    if (status.type() != std::filesystem::file_type::regular) return fail(NotAPlainFile);
    permissions_ = status.permissions();
    if ((permissions_ & std::filesystem::perms::owner_write) == std::filesystem::perms::none) return fail(EACCES);
    keepsPermissions_ = true;
    return true;
  }

  static std::string temporaryName() {
    static constexpr char Hex[] = "0123456789abcdef";
    std::random_device device;
    std::uint64_t token = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    std::string name(TemporaryFilePrefix);
    for (std::size_t k = 0; k < TemporaryFileTokenLength; ++k, token >>= 4) name += Hex[token & 15];
    name += TemporaryFileSuffix;
    return name;
  }

  bool fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
    return false;
  }

  void removeTemporary() {
    std::error_code ignored;
    if (!temporary_.empty()) std::filesystem::remove(temporary_, ignored);
  }

  void take(ReplacedFile& other) noexcept {
    stream_ = other.stream_;
    other.stream_ = nullptr;
    target_ = std::move(other.target_);
    temporary_ = std::move(other.temporary_);
    fault_ = other.fault_;
    permissions_ = other.permissions_;
    keepsPermissions_ = other.keepsPermissions_;
    written_ = other.written_;
    error_ = other.error_;
  }

  std::FILE* stream_ = nullptr;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  const WriteFault* fault_ = nullptr;
  std::filesystem::perms permissions_ = std::filesystem::perms::none;
  bool keepsPermissions_ = false;
  std::uintmax_t written_ = 0;
  int error_ = 0;
};

}  // namespace vorelan
