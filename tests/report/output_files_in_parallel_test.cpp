// Many files written at once: each holds what its own fill wrote, whatever
// the number of threads; a file that cannot be begun or written is noted
// afterwards, in the order of the list, its earlier file kept, and the others
// are still written.
#include "report/output_files_in_parallel.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "report/report_writer.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::readFile;

// File k holds k lines of the numbers k + 0.5, k + 1.5, ...
std::vector<OutputFileJob> numberedFiles(const testing::TempDir& dir, int count) {
  std::vector<OutputFileJob> jobs;
  for (int k = 1; k <= count; ++k) {
    jobs.push_back({(dir.path() / ("file" + std::to_string(k) + ".txt")).string(), [k](TextOutputFile& out) {
                      for (int line = 0; line < k; ++line) writeRecord(out, {"line", k + line + 0.5});
                    }});
  }
  return jobs;
}

std::string expectedText(int k) {
  std::string text;
  for (int line = 0; line < k; ++line) text += "\"line\"," + std::to_string(k + line) + ".5\r\n";
  return text;
}

TEST(WriteOutputFiles, EachFileHoldsItsOwnTextWhateverTheThreads) {
  for (int threads : {1, 3, 0}) {
    const testing::TempDir dir;
    OpenFiles files;
    const auto jobs = numberedFiles(dir, 40);
    EXPECT_TRUE(writeOutputFiles(jobs, files, threads));
    for (int k = 1; k <= 40; ++k) EXPECT_EQ(readFile(jobs[k - 1].path), expectedText(k)) << k << " " << threads;
    EXPECT_TRUE(files.unwritten.empty());
  }
}

TEST(WriteOutputFiles, FilesThatCannotBeWrittenAreNotedInOrderAndKeepTheirEarlierText) {
  const testing::TempDir dir;
  OpenFiles files;
  auto jobs = numberedFiles(dir, 6);
  jobs[1].path = (dir.path() / "missing" / "b.txt").string();
  jobs[4].path = dir.write("e.txt", "an earlier result");
  files.writeFault = [e = jobs[4].path](const std::string& target, std::uintmax_t, std::size_t& size) {
    if (target != e) return 0;
    size /= 2;
    return ENOSPC;
  };
  EXPECT_FALSE(writeOutputFiles(jobs, files, 4));
  ASSERT_EQ(files.unwritten.size(), 2u);
  EXPECT_EQ(files.unwritten[0].path, jobs[1].path);
  EXPECT_EQ(files.unwritten[0].error, ENOENT);
  EXPECT_EQ(files.unwritten[1].path, jobs[4].path);
  EXPECT_EQ(files.unwritten[1].error, ENOSPC);
  EXPECT_EQ(readFile(jobs[4].path), "an earlier result");
  for (int k : {1, 3, 4, 6}) EXPECT_EQ(readFile(jobs[k - 1].path), expectedText(k)) << k;
}

// A fill that fails leaves no new file of its own, and nothing half written.
TEST(WriteOutputFiles, AFaultInAFillIsThrownOnTheCallingThread) {
  const testing::TempDir dir;
  OpenFiles files;
  auto jobs = numberedFiles(dir, 8);
  jobs[5].path = dir.write("file6.txt", "an earlier result");
  jobs[5].fill = [](TextOutputFile& out) {
    out.write(std::string(1 << 17, 'x'));
    throw std::runtime_error("fill failed");
  };
  EXPECT_THROW(writeOutputFiles(jobs, files, 3), std::runtime_error);
  EXPECT_EQ(readFile(jobs[5].path), "an earlier result");
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_FALSE(isTemporaryFileName(entry.path().filename().string())) << entry.path();
  }
}

}  // namespace
}  // namespace vorelan
