#include "model/way_to_result.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "model/refusal_reasons.h"

namespace vorelan {
namespace fs = std::filesystem;
namespace {

// A folder is held only to be named in *at calls; nothing is read from it.
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

bool mayFollow(const Descriptor& folder, const struct stat& link) {
  if (link.st_uid == ::geteuid()) return true;
  struct stat owner{};
  return ::fstat(folder.get(), &owner) == 0 && link.st_uid == owner.st_uid;
}

// What the link open as `link` holds. 0, or the error.
int contentsOf(const Descriptor& link, const struct stat& status, std::string& contents) {
  contents.assign(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1, '\0');
  for (;;) {
    // An empty name reads the link that the descriptor itself is.
    const ssize_t length = ::readlinkat(link.get(), "", contents.data(), contents.size());
    if (length < 0) return errno;
    if (static_cast<std::size_t>(length) < contents.size()) {
      contents.resize(static_cast<std::size_t>(length));
      return 0;
    }
    contents.resize(contents.size() * 2);  // the link grew since it was looked at
  }
}

// The names that `way` passes, the first one last, to be taken from the
// back. A way that ends in "/" must end in a folder: it ends in ".".
void pushNamesOf(const std::string& way, std::vector<std::string>& ahead) {
  std::vector<std::string> names;
  std::size_t begin = 0;
  while (begin <= way.size()) {
    const std::size_t end = std::min(way.find('/', begin), way.size());
    if (end > begin) names.push_back(way.substr(begin, end - begin));
    begin = end + 1;
  }
  if (!way.empty() && way.back() == '/') names.emplace_back(".");
  ahead.insert(ahead.end(), names.rbegin(), names.rend());
}

// Where the walk stands as it follows a link. The walk goes on from here as
// it did before when it stood here before: it leads round in a loop.
struct LinkStep {
  FileIdentity folder;
  FileIdentity link;
  std::vector<std::string> ahead;

  bool operator==(const LinkStep&) const = default;
};

std::optional<FileIdentity> identityOfOpen(const Descriptor& descriptor) {
  struct stat status{};
  if (::fstat(descriptor.get(), &status) != 0) return std::nullopt;
  return FileIdentity{status.st_dev, status.st_ino};
}

// One walk from a folder through the names ahead of it.
class Walk {
 public:
  Walk(Descriptor folder, fs::path folderPath, std::string name)
      : folder_(std::move(folder)), folderPath_(std::move(folderPath)), ahead_{std::move(name)} {}

  int to(ResultPlace& place) {
    while (!ahead_.empty()) {
      std::string next = std::move(ahead_.back());
      ahead_.pop_back();
      const bool last = ahead_.empty();
      if (next == "." || next == "..") {
        if (last) return EISDIR;
        if (next == "..") {
          Descriptor up(::openat(folder_.get(), "..", FolderFlags));
          if (!up.isOpen()) return errno;
          enter(std::move(up), "..");
        }
        continue;
      }
      const int refusal = last ? arriveAt(std::move(next), place) : passThrough(next);
      if (refusal != 0 || place.folder.isOpen()) return refusal;
    }
    return EISDIR;  // never reached: the last name ends every walk
  }

 private:
  void enter(Descriptor folder, const fs::path& name) {
    folder_ = std::move(folder);
    folderPath_ /= name;
  }

  // The last name: the place itself, or a link that leads on.
  int arriveAt(std::string name, ResultPlace& place) {
    struct stat status{};
    Descriptor found;
    const int error = look(name, found, status);
    if (error != 0 && error != ENOENT) return error;
    if (error == 0 && S_ISLNK(status.st_mode)) return follow(found, status, LinkOfAnotherUser);
    place.folder = std::move(folder_);
    place.name = std::move(name);
    place.folderPath = std::move(folderPath_);
    place.exists = error == 0;
    place.linksFollowed = followed_;
    return 0;
  }

  // A folder on the way, or a link that leads on.
  int passThrough(const std::string& name) {
    struct stat status{};
    Descriptor found;
    const int error = look(name, found, status);
    if (error == ENOENT) return LinkLeadsNowhere;  // only a link leads past the first name
    if (error != 0) return error;
    if (S_ISLNK(status.st_mode)) return follow(found, status, FolderLinkOfAnotherUser);
    if (!S_ISDIR(status.st_mode)) return ENOTDIR;
    enter(std::move(found), name);
    return 0;
  }

  // Opens `name` in the folder without following it, and looks at what
  // was opened, so that what is followed or entered is what was looked at.
  int look(const std::string& name, Descriptor& found, struct stat& status) const {
    found = Descriptor(::openat(folder_.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!found.isOpen()) return errno;
    return ::fstat(found.get(), &status) == 0 ? 0 : errno;
  }

  // `refusal`: what a link of another user is refused as, where it stands;
  // at the name, it is told apart from a link that the name leads to.
  int follow(const Descriptor& link, const struct stat& status, int refusal) {
    if (const int loop = noteStep(status); loop != 0) return loop;
    if (!mayFollow(folder_, status)) {
      return refusal == LinkOfAnotherUser && followed_ > 1 ? LeadsToLinkOfAnotherUser : refusal;
    }
    std::string leadsTo;
    if (const int error = contentsOf(link, status, leadsTo); error != 0) return error;
    if (leadsTo.empty()) return LinkLeadsNowhere;
    if (leadsTo.front() == '/') {
      folder_ = Descriptor(::open("/", FolderFlags));
      if (!folder_.isOpen()) return errno;
      folderPath_ = "/";
    }
    pushNamesOf(leadsTo, ahead_);
    return 0;
  }

  // Counts the link about to be followed. ELOOP when the walk stood just
  // so before, TooManyLinks when it is one more than are followed.
  int noteStep(const struct stat& link) {
    const std::optional<FileIdentity> folder = identityOfOpen(folder_);
    if (folder) {
      LinkStep step{*folder, {link.st_dev, link.st_ino}, ahead_};
      if (std::find(steps_.begin(), steps_.end(), step) != steps_.end()) return ELOOP;
      steps_.push_back(std::move(step));
    }
    return ++followed_ > MostLinksFollowed ? TooManyLinks : 0;
  }

  Descriptor folder_;
  fs::path folderPath_;
  std::vector<std::string> ahead_;  // the names still to pass, the next one last
  int followed_ = 0;
  std::vector<LinkStep> steps_;  // one for each link followed
};

}  // namespace

std::optional<FileIdentity> ResultPlace::folderIdentity() const { return identityOfOpen(folder); }

int findResultPlace(const std::string& path, ResultPlace& place) {
  place = ResultPlace();
  const fs::path given(path);
  std::string name = given.filename().string();
  if (name.empty() || name == "." || name == "..") return EISDIR;
  fs::path folderPath = given.has_parent_path() ? given.parent_path() : fs::path(".");
  // The user's own way to the data file's folder: its links are followed
  // by the system, as when the data file was opened.
  Descriptor folder(::open(folderPath.c_str(), FolderFlags));
  if (!folder.isOpen()) return errno;
  return Walk(std::move(folder), std::move(folderPath), std::move(name)).to(place);
}

}  // namespace vorelan
