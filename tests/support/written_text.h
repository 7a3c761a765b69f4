#pragma once
// Runs a writer on a fresh output file and returns what it wrote.
#include <functional>
#include <string>
#include <vector>

#include "model/open_files.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

inline std::string writtenText(const std::function<void(TextOutputFile&)>& writer) {
  TempDir dir;
  const std::string path = (dir.path() / "out.txt").string();
  TextOutputFile file;
  if (!file.open(path)) return "<cannot open " + path + ">";
  writer(file);
  file.close();
  return readFile(path);
}

// The lines of a text whose every line ends with carriage return and line
// feed, without their ends; text after the last line end is one more line.
inline std::vector<std::string> crlfLinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start != text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace vorelan::testing
