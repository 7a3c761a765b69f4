#include "report/output_file_names.h"

#include <algorithm>
#include <map>
#include <string>

namespace vorelan {
namespace {

bool isForbiddenInFileName(unsigned char c) {
  return c < 0x20 || c == 0x7F ||
         std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// The key under which two file names are the same file.
std::string sameFileKey(const std::string& name) {
  std::string key = name;
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return key;
}

}  // namespace

std::string folderOf(const std::string& path) {
  const std::size_t separator = path.rfind('/');
  if (separator == std::string::npos) return "";
  // The root keeps its separator: "/" is a folder, "" is not.
  return path.substr(0, separator == 0 ? 1 : separator);
}

std::string fileNameOf(const std::string& path) {
  const std::size_t separator = path.rfind('/');
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string fileNameSafe(std::string_view name) {
  std::string safe(name);
  for (char& c : safe) {
    if (isForbiddenInFileName(static_cast<unsigned char>(c))) c = '_';
  }
  return safe;
}

std::vector<std::string> distinctStageParts(const std::vector<StageNamePart>& stages) {
  std::vector<std::string> safe;
  for (const StageNamePart& stage : stages) safe.push_back(fileNameSafe(stage.name));

  // Coinciding names are numbered, and so is any name that a numbered one
  // then meets, until no two names coincide. Two numbered names may meet in
  // turn ("Ab" numbered as stage 11 and "Ab1" numbered as stage 1 both give
  // "Ab11"); then every number is set off by "_", which keeps numbered names
  // apart, because the digits after the last "_" are the stage number.
  std::vector<bool> numbered(stages.size(), false);
  std::string separator;
  for (;;) {
    std::vector<std::string> parts(stages.size());
    std::map<std::string, std::vector<std::size_t>> byKey;
    for (std::size_t i = 0; i < stages.size(); ++i) {
      parts[i] = numbered[i] ? safe[i] + separator + std::to_string(stages[i].stage) : safe[i];
      byKey[sameFileKey(parts[i])].push_back(i);
    }
    bool coincide = false;
    bool changed = false;
    for (const auto& [key, members] : byKey) {
      if (members.size() < 2) continue;
      coincide = true;
      for (std::size_t i : members) {
        changed = changed || !numbered[i];
        numbered[i] = true;
      }
    }
    if (!coincide) return parts;
    if (!changed) {
      if (!separator.empty()) return parts;  // not reached: numbers set off by "_" never meet
      separator = "_";
    }
  }
}

}  // namespace vorelan
