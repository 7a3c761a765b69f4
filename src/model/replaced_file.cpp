#include "model/replaced_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

// Whether `path` still names the file open as `fd`: a temporary file may be
// removed by hand, or by another copy of the program in the moment between
// its creation and its lock.
bool namesThisFile(const fs::path& path, int fd) {
  struct stat named{};
  struct stat open{};
  return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && named.st_dev == open.st_dev &&
         named.st_ino == open.st_ino;
}

// Where the file open as `fd` is named now, when the system tells (empty:
// it does not).
fs::path whereNow(int fd) {
  std::error_code unknown;
  fs::path now = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), unknown);
  return unknown || !now.is_absolute() ? fs::path() : now;
}

bool lockWhole(int fd, int how) {
  int result = 0;
  do {
    result = ::flock(fd, how);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

fs::path folderPathOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// A link is followed only when this user or the owner of the folder it
// stands in made it: anyone else who may write in a shared folder could
// otherwise point a result at any file this user may write. (The system's
// own rule to the same end covers only some folders, and may be off.)
bool mayFollow(const fs::path& link, const struct stat& own) {
  if (own.st_uid == ::geteuid()) return true;
  struct stat folder{};
  return ::stat(folderPathOf(link).c_str(), &folder) == 0 && own.st_uid == folder.st_uid;
}

// Where a link leads, link by link, so that the file it points to is
// replaced and the link stays a link. A link to nothing, one that leads
// round in a loop, or one made by another user, is refused and kept as it
// is. False, with `error` set, when refused.
bool resolveLink(const std::string& path, fs::path& target, int& error) {
  constexpr int MostLinksFollowed = 40;  // as many as the system follows
  target = path;
  for (int followed = 0; followed <= MostLinksFollowed; ++followed) {
    struct stat own{};
    if (::lstat(target.c_str(), &own) != 0) {
      if (followed == 0) return true;  // no file yet: the new one is made there
      error = errno == ENOENT ? LinkLeadsNowhere : errno;
      return false;
    }
    if (!S_ISLNK(own.st_mode)) return true;
    if (!mayFollow(target, own)) {
      error = LinkOfAnotherUser;
      return false;
    }
    std::error_code unreadable;
    const fs::path leadsTo = fs::read_symlink(target, unreadable);
    if (unreadable) {
      error = unreadable.value();
      return false;
    }
    target = leadsTo.is_absolute() ? leadsTo : folderPathOf(target) / leadsTo;
  }
  error = ELOOP;
  return false;
}

// Why the file `status` at `target` may not be replaced (0: it may). A
// failed check of the right to write keeps the system's reason (a disk
// mounted read-only is no missing permission).
int refusalOf(const fs::path& target, const struct stat& status, const InputFiles* inputs) {
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (!S_ISREG(status.st_mode)) return NotAPlainFile;
  if (inputs != nullptr && inputs->contains({status.st_dev, status.st_ino})) return LeadsToAnInputFile;
  if ((status.st_mode & S_IWUSR) == 0) return EACCES;
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno != 0 ? errno : EACCES;
  return 0;
}

}  // namespace

// The earlier file of the name: its permissions and
// owner pass to the file that replaces it.
struct ReplacedFile::Earlier {
  bool exists = false;
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;

  // Looks at what stands at `target`. False, with `error` set, when it may
  // not be replaced: a folder, a device or anything else that is not a
  // plain file, or a file this user may not write, decided as the system
  // decides a write (effective user and groups). A file without its owner's
  // write permission counts as made read-only to keep it, even for root.
  bool inspect(const fs::path& target, const InputFiles* inputs, int& error) {
    struct stat status{};
    exists = ::stat(target.c_str(), &status) == 0;
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
        lockWhole(fd, LOCK_EX | LOCK_NB) &&
        namesThisFile(path, fd)) {
      ::unlink(path.c_str());
    }
    ::close(fd);
  }
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The files themselves reached the disk before their renames: should the
  // names not, each name still leads to a whole file, the earlier or the new.
  ::fsync(fd);
  ::close(fd);
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
  int refusal = 0;
  Earlier earlier;
  if (!resolveLink(path, target_, refusal) || !earlier.inspect(target_, inputs_, refusal)) return fail(refusal);
  folder_ = identityOf(folderPathOf(target_));
  return createTemporary(earlier);
}

// Created locked, with the earlier file's permissions from the start: a
// private result is never readable by others, even while it is written.
// Its group gets its permissions only once the file has the earlier group.
bool ReplacedFile::createTemporary(const Earlier& earlier) {
  const mode_t mode = earlier.exists ? (earlier.mode & ~static_cast<mode_t>(S_IRWXG)) : 0666;
  constexpr int Attempts = 16;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    temporary_ = folderPathOf(target_) / temporaryName();
    const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      temporary_.clear();
      return fail(errno);
    }
    // A file system without locks still gets the file; only another copy's
    // clean-up could then take it, which the rename would tell.
    lockWhole(fd, LOCK_EX);
    if (!namesThisFile(temporary_, fd)) {
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
  if (writeFault_ != nullptr && *writeFault_) injected = (*writeFault_)(target_.string(), written_, size);
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
  const int injected = flushFault_ != nullptr && *flushFault_ ? (*flushFault_)(target_.string()) : 0;
  if (injected != 0) return fail(injected);
  if (::fdatasync(fd_) != 0) return fail(errno);
  return true;
}

// The earlier file may have changed since the new one was begun (made
// read-only, say): it is looked at again just before it is replaced.
bool ReplacedFile::checkStillReplaceable() {
  int refusal = 0;
  Earlier earlier;
  if (!earlier.inspect(target_, inputs_, refusal)) return fail(refusal);
  earlier.passTo(fd_);
  return true;
}

// Why the new file could not take its place: its folder went away (moved
// or removed), the file itself was removed from it, or the rename's error.
int ReplacedFile::whyNotInPlace(int renameError) const {
  if (!folder_ || identityOf(folderPathOf(target_)) != folder_) return FolderGone;
  if (!namesThisFile(temporary_, fd_)) return TemporaryFileRemoved;
  return renameError;
}

bool ReplacedFile::putInPlace() {
  if (fd_ < 0) return error_ == 0;
  if (error_ == 0) checkStillReplaceable();
  if (error_ == 0 && !namesThisFile(temporary_, fd_)) fail(whyNotInPlace(ENOENT));
  if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) fail(whyNotInPlace(errno));
  if (error_ != 0) {
    closeAndRemoveTemporary();
    return false;
  }
  ::close(fd_);
  fd_ = -1;
  temporary_.clear();
  return true;
}

bool ReplacedFile::commit() {
  if (fd_ < 0) return error_ == 0;
  if (flush() && putInPlace()) syncFolder(folder());
  if (fd_ >= 0) closeAndRemoveTemporary();
  return error_ == 0;
}

void ReplacedFile::discard() {
  if (fd_ >= 0) closeAndRemoveTemporary();
}

bool ReplacedFile::fail(int error) {
  if (error_ == 0) error_ = error != 0 ? error : EIO;
  return false;
}

// Only while the temporary file is still this one's, so that nothing of
// another program's is ever removed. A file whose folder was moved is
// removed where the folder went.
void ReplacedFile::closeAndRemoveTemporary() {
  if (!temporary_.empty()) {
    const fs::path now = namesThisFile(temporary_, fd_) ? temporary_ : whereNow(fd_);
    if (!now.empty() && isTemporaryFileName(now.filename().string()) && namesThisFile(now, fd_)) {
      ::unlink(now.c_str());
    }
  }
  ::close(fd_);
  fd_ = -1;
  temporary_.clear();
}

void ReplacedFile::take(ReplacedFile& other) noexcept {
  fd_ = other.fd_;
  other.fd_ = -1;
  path_ = std::move(other.path_);
  target_ = std::move(other.target_);
  temporary_ = std::move(other.temporary_);
  writeFault_ = other.writeFault_;
  flushFault_ = other.flushFault_;
  inputs_ = other.inputs_;
  folder_ = other.folder_;
  written_ = other.written_;
  error_ = other.error_;
}

}  // namespace vorelan
