#include "report/output_files_in_parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "report/output_file.h"


namespace vorelan {
namespace {

int threadCount(int asked, std::size_t jobs) {
  const int processors = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::max(1, std::min(asked > 0 ? asked : processors, static_cast<int>(jobs)));
}

}  // namespace

bool writeOutputFiles(const std::vector<OutputFileJob>& jobs, OpenFiles& files, int threads) {
  std::vector<std::optional<int>> errors(jobs.size());  // the error of each file that failed
  std::vector<ReplacedFile> finished(jobs.size());       // each file written whole
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr firstError;
  std::mutex errorLock;
  const auto work = [&] {
    for (std::size_t k; !failed && (k = next++) < jobs.size();) {
      try {
        TextOutputFile out;
        if (out.open(jobs[k].path, &files.writeFault, &files.flushFault, &files.inputs)) {
          jobs[k].fill(out);
          out.closeInto(finished[k]);
        }
        if (out.failed()) errors[k] = out.error();
      } catch (...) {
        const std::lock_guard lock(errorLock);
        if (!firstError) firstError = std::current_exception();
        failed = true;
      }
    }
  };
  const int count = threadCount(threads, jobs.size());
  std::vector<std::thread> workers;
  for (int t = 1; t < count; ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
  if (firstError) std::rethrow_exception(firstError);

  bool all = true;
  for (std::size_t k = 0; k < jobs.size(); ++k) {
    if (errors[k]) {
      files.unwritten.push_back({jobs[k].path, *errors[k]});
      all = false;
    } else if (finished[k].isOpen()) {
      all = closeWrittenFile(std::move(finished[k]), files) && all;
    }
  }
  return all;
}

}  // namespace vorelan
