#pragma once
// Runs a piece of a test in a forked child, so that a fault that makes it
// hang or take all memory fails the test instead of holding up the run of
// every test: the child is killed by an alarm after a few seconds. What the
// piece returns comes back to the test as text, with the time it took and by
// how much the child's peak of resident memory grew meanwhile.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <exception>
#include <functional>
#include <string>

namespace vorelan::testing {

struct GuardedOutcome {
  bool finished = false;   // the child ended by itself and in time
  std::string text;        // what the piece returned
  double seconds = 0;      // its time, measured in the child
  long peakGrowthKib = 0;  // growth of the child's peak resident memory
  std::string why;         // when not finished: how the child ended
};

inline long peakResidentKib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

inline void writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

inline GuardedOutcome runGuarded(const std::function<std::string()>& piece, unsigned alarmSeconds = 5) {
  GuardedOutcome outcome;
  int channel[2];
  if (::pipe(channel) != 0) {
    outcome.why = "no pipe";
    return outcome;
  }
  const pid_t child = ::fork();
  if (child < 0) {
    outcome.why = "no fork";
    return outcome;
  }
  if (child == 0) {
    ::close(channel[0]);
    ::alarm(alarmSeconds);
    const long before = peakResidentKib();
    const auto start = std::chrono::steady_clock::now();
    std::string text;
    try {
      text = piece();
    } catch (const std::exception& e) {
      text = std::string("exception: ") + e.what();
    } catch (...) {
      text = "an exception";
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    writeAll(channel[1], std::to_string(seconds) + "\n" + std::to_string(peakResidentKib() - before) + "\n" + text);
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string received;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(channel[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    received.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(channel[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status)) {
    outcome.why = WTERMSIG(status) == SIGALRM ? "it did not end within " + std::to_string(alarmSeconds) + " s"
                                               : "it was killed by signal " + std::to_string(WTERMSIG(status));
    return outcome;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    outcome.why = "it exited with " + std::to_string(WEXITSTATUS(status));
    return outcome;
  }
  const std::size_t first = received.find('\n');
  const std::size_t second = first == std::string::npos ? first : received.find('\n', first + 1);
  if (second == std::string::npos) {
    outcome.why = "it told nothing";
    return outcome;
  }
  outcome.finished = true;
  outcome.seconds = std::stod(received.substr(0, first));
  outcome.peakGrowthKib = std::stol(received.substr(first + 1, second - first - 1));
  outcome.text = received.substr(second + 1);
  return outcome;
}

}  // namespace vorelan::testing
