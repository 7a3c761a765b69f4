#pragma once
// Runs a writer on a fresh output file and returns what it wrote.
#include <functional>
#include <string>

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

}  // namespace vorelan::testing
