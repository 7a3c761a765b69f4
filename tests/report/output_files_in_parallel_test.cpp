// Many files written at once: each holds what its own fill wrote, whatever
// the number of threads; a file that cannot be created is named afterwards,
// in the order of the list, and the others are still written.
#include "report/output_files_in_parallel.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "report/report_writer.h"
#include "support/scripted_platform.h"
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
    testing::ScriptedPlatform script;
    Platform platform = script.platform();
    const auto jobs = numberedFiles(dir, 40);
    EXPECT_TRUE(writeOutputFiles(jobs, platform, threads));
    for (int k = 1; k <= 40; ++k) EXPECT_EQ(readFile(jobs[k - 1].path), expectedText(k)) << k << " " << threads;
    EXPECT_TRUE(script.messages().empty());
  }
}

TEST(WriteOutputFiles, FilesThatCannotBeCreatedAreNamedInOrder) {
  const testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  auto jobs = numberedFiles(dir, 6);
  jobs[1].path = (dir.path() / "missing" / "b.txt").string();
  jobs[4].path = (dir.path() / "missing" / "e.txt").string();
  EXPECT_FALSE(writeOutputFiles(jobs, platform, 4));
  const auto boxes = script.messages();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find("b.txt"), std::string::npos);
  EXPECT_NE(boxes[1].text.find("e.txt"), std::string::npos);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  for (int k : {1, 3, 4, 6}) EXPECT_EQ(readFile(jobs[k - 1].path), expectedText(k)) << k;
}

TEST(WriteOutputFiles, AFaultInAFillIsThrownOnTheCallingThread) {
  const testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  auto jobs = numberedFiles(dir, 8);
  jobs[5].fill = [](TextOutputFile&) { throw std::runtime_error("fill failed"); };
  EXPECT_THROW(writeOutputFiles(jobs, platform, 3), std::runtime_error);
}

}  // namespace
}  // namespace vorelan
