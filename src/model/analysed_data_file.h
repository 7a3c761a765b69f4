#pragma once
// The data file as the Basic Run analysed it: its name and its bytes, kept
// for the resampling runs, which compute on these bytes alone and are
// compared with them against a file edited since.
#include <memory>
#include <string>

namespace vorelan {

struct AnalysedDataFile {
  std::string path;
  std::shared_ptr<const std::string> bytes;  // null until a Basic Run has computed
};

}  // namespace vorelan
