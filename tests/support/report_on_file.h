#pragma once
// An analysis state whose report (file 3) is open on a fresh file, for tests
// of the report printers, and helpers to write expected lines.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "model/analysis_state.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

class ReportOnFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = (dir_.path() / "report.txt").string();
    ASSERT_TRUE(state.files.file3.open(path_));
  }
  // Closes the report and returns all that was printed.
  std::string printed() {
    state.files.file3.close();
    return readFile(path_);
  }

  AnalysisState state;

 private:
  TempDir dir_;
  std::string path_;
};

// n blanks.
inline std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The lines, each ended by carriage return and line feed.
inline std::string crlfLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A line whose items begin at the given print columns (counted from 1), for
// rows laid out by column; each item must start past the one before it.
inline std::string atColumns(std::initializer_list<std::pair<int, std::string>> items) {
  std::string line;
  for (const auto& [column, text] : items) {
    EXPECT_LT(line.size(), static_cast<std::size_t>(column)) << text;
    line.resize(static_cast<std::size_t>(column - 1), ' ');
    line += text;
  }
  return line;
}

}  // namespace vorelan::testing
