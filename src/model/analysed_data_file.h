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

  // True when `fileBytes`, read from `filePath`, are the bytes analysed.
  bool isSameAs(const std::string& filePath, const std::string& fileBytes) const {
    return bytes && path == filePath && *bytes == fileBytes;
  }
};

}  // namespace vorelan
