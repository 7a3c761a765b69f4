#include "model/replaced_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorelan {
namespace fs = std::filesystem;
namespace {

std::string temporaryName() {
  static constexpr char Hex[] = "0123456789abcdef";
  std::random_device device;
  std::uint64_t token = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  std::string name(TemporaryFilePrefix);
  for (std::size_t k = 0; k < TemporaryFileTokenLength; ++k, token >>= 4) name += Hex[token & 15];
  name += TemporaryFileSuffix;
  return name;
}

// Whether `name` in `folder` still names the file open as `fd`: a temporary
// file may be removed by hand, or by another copy of the program in the
// moment between its creation and its lock.
bool namesThisFile(int folder, const char* name, int fd) {
  struct stat named{};
  struct stat open{};
  return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &open) == 0 &&
         named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

bool lockWhole(int fd, int how) {
  int result = 0;
  do {
    result = ::flock(fd, how);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

// Why the file `status` at `target` may not be replaced (0: it may). A
// failed check of the right to write keeps the system's reason (a disk
// mounted read-only is no missing permission).
int refusalOf(const ResultPlace& target, const struct stat& status, const InputFiles* inputs) {
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (!S_ISREG(status.st_mode)) return NotAPlainFile;
  if (inputs != nullptr && inputs->contains({status.st_dev, status.st_ino})) return LeadsToAnInputFile;
  if ((status.st_mode & S_IWUSR) == 0) return EACCES;
  if (::faccessat(target.folder.get(), target.name.c_str(), W_OK, AT_EACCESS) != 0) {
    return errno != 0 ? errno : EACCES;
  }
  return 0;
}

// A way that no longer reaches the folder the file was begun in: either
// that folder was moved or removed, or the name leads elsewhere now.
bool wayLost(int refusal) {
  return refusal == ENOENT || refusal == ENOTDIR || refusal == LinkLeadsNowhere || refusal == NameLeadsElsewhere;
}

// Whether the folder held open no longer stands where the way found it.
bool movedAway(const ResultPlace& place) {
  return identityOf(place.folderPath.string()) != place.folderIdentity();
}

}  // namespace

// The earlier file of the name: its permissions and
// owner pass to the file that replaces it.
struct ReplacedFile::Earlier {
  bool exists = false;
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;

  // Looks at what stands at the place. False, with `error` set, when it may
  // not be replaced: a folder, a device or anything else that is not a
  // plain file, or a file this user may not write, decided as the system
  // decides a write (effective user and groups). A file without its owner's
  // write permission counts as made read-only to keep it, even for root.
  bool inspect(const ResultPlace& target, const InputFiles* inputs, int& error) {
    struct stat status{};
    exists = ::fstatat(target.folder.get(), target.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    // Any other failure to look is left to the creation of the new file,
    // which then says why.
    if (!exists) return true;
    error = refusalOf(target, status, inputs);
    if (error != 0) return false;
    mode = status.st_mode & 0777;
    owner = status.st_uid;
    group = status.st_gid;
    return true;
  }

  // Gives the open file `fd` these permissions and, as far as the system
  // lets this user, this owner and group. Set-id bits are never passed on.
  // A group that cannot be kept gets no permission: the group the file
  // has instead (a set-group-id folder's, say) may have other members, and
  // the file is never readable by more users than before.
  void passTo(int fd) const {
    struct stat now{};
    if (!exists || ::fstat(fd, &now) != 0) return;
    if (now.st_uid != owner || now.st_gid != group) {
      if (::fchown(fd, owner, group) != 0 && now.st_gid != group) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), group);
      }
      if (::fstat(fd, &now) != 0) now.st_gid = static_cast<gid_t>(-1);
    }
    const mode_t given = now.st_gid == group ? mode : (mode & ~static_cast<mode_t>(S_IRWXG));
    if ((now.st_mode & 07777) != given) ::fchmod(fd, given);
  }
};

bool isTemporaryFileName(std::string_view name) {
  if (name.size() != TemporaryFilePrefix.size() + TemporaryFileTokenLength + TemporaryFileSuffix.size()) return false;
  if (!name.starts_with(TemporaryFilePrefix) || !name.ends_with(TemporaryFileSuffix)) return false;
  const std::string_view token = name.substr(TemporaryFilePrefix.size(), TemporaryFileTokenLength);
  return token.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

void removeLeftTemporaryFiles(const fs::path& folder, const InputFiles& inputs) {
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    const fs::path& path = entries->path();
    if (!isTemporaryFileName(path.filename().string())) continue;
    // A lock needs the file open, for reading or, when a write-only result
    // was being replaced, for writing.
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat status{};
    // A locked file is being written by a running program.
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && !inputs.contains({status.st_dev, status.st_ino}) &&
        lockWhole(fd, LOCK_EX | LOCK_NB) && namesThisFile(AT_FDCWD, path.c_str(), fd)) {
      ::unlink(path.c_str());
    }
    ::close(fd);
  }
}

bool ReplacedFile::open(const std::string& path, const WriteFault* writeFault, const FlushFault* flushFault,
                        const InputFiles* inputs) {
  discard();
  path_ = path;
  writeFault_ = writeFault;
  flushFault_ = flushFault;
  inputs_ = inputs;
  written_ = 0;
  error_ = 0;
  int refusal = findResultPlace(path, place_);
  // A link is never taken for the name of a new file.
  if (refusal == 0 && !place_.exists && place_.linksFollowed > 0) refusal = LinkLeadsNowhere;
  Earlier earlier;
  if (refusal == 0 && earlier.inspect(place_, inputs_, refusal) && createTemporary(earlier)) return true;
  place_.folder.close();
  return fail(refusal);
}

// Created locked, with the earlier file's permissions from the start: a
// private result is never readable by others, even while it is written.
// Its group gets its permissions only once the file has the earlier group.
bool ReplacedFile::createTemporary(const Earlier& earlier) {
  const mode_t mode = earlier.exists ? (earlier.mode & ~static_cast<mode_t>(S_IRWXG)) : 0666;
  constexpr int Attempts = 16;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    temporary_ = temporaryName();
    const int fd =
        ::openat(place_.folder.get(), temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      temporary_.clear();
      return fail(errno);
    }
    // A file system without locks still gets the file; only another copy's
    // clean-up could then take it, which the rename would tell.
    lockWhole(fd, LOCK_EX);
    if (!namesThisFile(place_.folder.get(), temporary_.c_str(), fd)) {
      ::close(fd);
      continue;
    }
    fd_ = fd;
    earlier.passTo(fd_);
    return true;
  }
  temporary_.clear();
  return fail(EEXIST);
}

void ReplacedFile::write(const char* data, std::size_t size) {
  if (fd_ < 0 || error_ != 0) return;
  int injected = 0;
  if (writeFault_ != nullptr && *writeFault_) injected = (*writeFault_)(place_.path().string(), written_, size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t wrote = ::write(fd_, data + done, size - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      fail(wrote < 0 ? errno : EIO);
      return;
    }
    done += static_cast<std::size_t>(wrote);
  }
  written_ += size;
  if (injected != 0) fail(injected);
}

void ReplacedFile::startFlush() {
#ifdef __linux__
  if (fd_ >= 0 && error_ == 0) ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

bool ReplacedFile::flush() {
  if (fd_ < 0 || error_ != 0) return error_ == 0;
  const int injected = flushFault_ != nullptr && *flushFault_ ? (*flushFault_)(place_.path().string()) : 0;
  if (injected != 0) return fail(injected);
  if (::fdatasync(fd_) != 0) return fail(errno);
  return true;
}

// The way to the file is walked again just before it is replaced: it must
// still lead to the folder the file was begun in, along links that may be
// followed, and the earlier file may have changed since (made read-only,
// say). The rename then happens in the held folder, so that no link swapped
// in after this look can lead it elsewhere.
//
// A way lost is told as the folder moved only when the held folder is no
// longer where it was; otherwise the name itself was changed meanwhile.
bool ReplacedFile::checkStillReplaceable() {
  ResultPlace now;
  int refusal = findResultPlace(path_, now);
  // A link is never taken for the name of a new file, here as at the beginning.
  if (refusal == 0 && !now.exists && now.linksFollowed > 0) refusal = LinkLeadsNowhere;
  if (refusal == 0 && now.folderIdentity() != place_.folderIdentity()) refusal = NameLeadsElsewhere;
  if (refusal != 0) return fail(wayLost(refusal) && movedAway(place_) ? FolderGone : refusal);
  place_.name = std::move(now.name);
  place_.folderPath = std::move(now.folderPath);
  Earlier earlier;
  if (!earlier.inspect(place_, inputs_, refusal)) return fail(refusal);
  earlier.passTo(fd_);
  return true;
}

bool ReplacedFile::holdsTemporary() const {
  return !temporary_.empty() && namesThisFile(place_.folder.get(), temporary_.c_str(), fd_);
}

bool ReplacedFile::putInPlace() {
  if (fd_ < 0) return error_ == 0;
  if (error_ == 0) checkStillReplaceable();
  if (error_ == 0 && !holdsTemporary()) fail(TemporaryFileRemoved);
  const int folder = place_.folder.get();
  if (error_ == 0 && ::renameat(folder, temporary_.c_str(), folder, place_.name.c_str()) != 0) {
    const int renameError = errno;
    fail(holdsTemporary() ? renameError : TemporaryFileRemoved);
  }
  if (error_ != 0) {
    closeAndRemoveTemporary();
    return false;
  }
  ::close(fd_);
  fd_ = -1;
  temporary_.clear();
  return true;
}

void ReplacedFile::syncFolder() const {
  // The files themselves reached the disk before their renames: should the
  // names not, each name still leads to a whole file, the earlier or the new.
  const Descriptor folder(::openat(place_.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.isOpen()) ::fsync(folder.get());
}

bool ReplacedFile::commit() {
  if (fd_ < 0) return error_ == 0;
  if (flush() && putInPlace()) syncFolder();
  if (fd_ >= 0) closeAndRemoveTemporary();
  place_.folder.close();
  return error_ == 0;
}

void ReplacedFile::discard() {
  if (fd_ >= 0) closeAndRemoveTemporary();
  place_.folder.close();
}

bool ReplacedFile::fail(int error) {
  if (error_ == 0) error_ = error != 0 ? error : EIO;
  return false;
}

// Only while the temporary file is still this one's, so that nothing of
// another program's is ever removed. The folder is held, so the file is
// removed wherever the folder went.
void ReplacedFile::closeAndRemoveTemporary() {
  if (holdsTemporary()) ::unlinkat(place_.folder.get(), temporary_.c_str(), 0);
  ::close(fd_);
  fd_ = -1;
  temporary_.clear();
}

void ReplacedFile::take(ReplacedFile& other) noexcept {
  fd_ = other.fd_;
  other.fd_ = -1;
  path_ = std::move(other.path_);
  place_ = std::move(other.place_);
  temporary_ = std::move(other.temporary_);
  writeFault_ = other.writeFault_;
  flushFault_ = other.flushFault_;
  inputs_ = other.inputs_;
  written_ = other.written_;
  error_ = other.error_;
}

}  // namespace vorelan
