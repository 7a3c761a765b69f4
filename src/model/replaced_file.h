#pragma once
// An output file that replaces an earlier file of its name whole or not at
// all. It is written to a temporary file in the same folder, which reaches
// the disk (flushed) and only then takes the earlier file's place by one
// rename. A failed write or flush, an exception leaving the writer, a stopped
// run, a killed program or a power cut leave the earlier file as it was.
//
// A temporary file is locked while this program holds it, so that another
// copy of the program working in the same folder never takes it for one
// that a killed run left behind.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "model/input_files.h"
#include "model/refusal_reasons.h"
#include "model/way_to_result.h"

namespace vorelan {

// A test's stand-in for a failing disk: asked before every write of `size`
// bytes at `offset` of the file that will replace `target`; it may cut `size`
// to the bytes that still reach the file, and returns the error number the
// write then fails with (0: no fault).
using WriteFault = std::function<int(const std::string& target, std::uintmax_t offset, std::size_t& size)>;
// Likewise for the flush of a written file to the disk, where a disk that
// accepted every write may still fail (0: no fault).
using FlushFault = std::function<int(const std::string& target)>;

// Temporary files are hidden, and named so that no result file (they all end
// in ".txt") and no name a user would choose can be one of them.
inline constexpr std::string_view TemporaryFilePrefix = ".vorelan-";
inline constexpr std::string_view TemporaryFileSuffix = ".part";
inline constexpr std::size_t TemporaryFileTokenLength = 16;

bool isTemporaryFileName(std::string_view name);

// Removes what a killed run left in `folder`: temporary files that no
// running program holds. Nothing else there is touched, and never a file
// this program reads as input, whatever its name.
void removeLeftTemporaryFiles(const std::filesystem::path& folder, const InputFiles& inputs = {});

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
  // A file never put in place was never finished: the earlier one stays.
  ~ReplacedFile() { discard(); }

  // Begins the file that will replace `path`, in the folder where its name
  // leads (model/way_to_result.h). False when it cannot be begun; error()
  // then tells why. A name that leads to one of `inputs`, or along a link
  // that is not followed, is refused, now and when the file is put in place.
  bool open(const std::string& path, const WriteFault* writeFault = nullptr, const FlushFault* flushFault = nullptr,
            const InputFiles* inputs = nullptr);

  bool isOpen() const { return fd_ >= 0; }
  // The path as it was given (a link's own name, not where it leads).
  const std::string& path() const { return path_; }

  void write(const char* data, std::size_t size);

  // The three steps of commit(), which a run takes for all of its files at
  // once: start each file on its way to the disk, wait until each is there,
  // rename each. A file that failed a step skips the later ones.
  void startFlush();
  bool flush();
  bool putInPlace();

  // Flushes the new file and puts it in the earlier one's place, making
  // the rename itself durable. False, with the earlier file left as it
  // was, when any write, the flush or the replacement failed.
  bool commit();

  // Gives up the new file: the earlier one stays, and nothing is left behind.
  void discard();

  // The error number of the first failure (0: none), or one of the
  // reasons above.
  int error() const { return error_; }
  // The folder where the file takes its place (where a link leads), as
  // it was when the file was begun; nothing once the file was given up.
  std::optional<FileIdentity> folderIdentity() const { return place_.folderIdentity(); }
  // Makes the renames in that folder survive a power cut.
  void syncFolder() const;

 private:
  struct Earlier;

  bool createTemporary(const Earlier& earlier);
  bool checkStillReplaceable();
  bool holdsTemporary() const;
  bool fail(int error);
  void closeAndRemoveTemporary();
  void take(ReplacedFile& other) noexcept;

  int fd_ = -1;
  std::string path_;
  ResultPlace place_;       // its folder held open from the file's beginning to its rename
  std::string temporary_;   // the temporary file's name in that folder
  const WriteFault* writeFault_ = nullptr;
  const FlushFault* flushFault_ = nullptr;
  const InputFiles* inputs_ = nullptr;
  std::uintmax_t written_ = 0;
  int error_ = 0;
};

}  // namespace vorelan
