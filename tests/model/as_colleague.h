#pragma once
// Runs a piece of a test as another user, a colleague in a folder shared by
// a group, in a child process (the tests run as root).
#include <functional>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorelan::testing {

inline constexpr uid_t Colleague = 65534;
inline constexpr gid_t SharedGroup = 4242;
inline constexpr gid_t ThirdGroup = 4343;  // a group the colleague is not in
inline constexpr uid_t Stranger = 64123;   // neither this user nor the colleague: links are planted as it

// Only root may act as another user, or plant a file or link of another user.
inline bool runningAsRoot() { return ::geteuid() == 0; }

// The child's exit code (0 to 255), or -1 when it did not end normally
// or could not become the colleague. Ends within `seconds` whatever it does.
inline int asColleague(const std::function<int()>& work, unsigned seconds = 10) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(seconds);
    const gid_t groups[] = {SharedGroup};
    if (::setgroups(1, groups) != 0 || ::setresgid(Colleague, Colleague, Colleague) != 0 ||
        ::setresuid(Colleague, Colleague, Colleague) != 0) {
      ::_exit(255);
    }
    ::_exit(work() & 0xff);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 255) return -1;
  return WEXITSTATUS(status);
}

}  // namespace vorelan::testing
