#pragma once
// What every fuzz target shares: a folder of its own for the data file and
// the files a run writes, a scripted user interface that answers every box,
// and the checks that turn a broken rule into a crash libFuzzer reports.
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/analysis_state.h"
#include "runs/handler_boundary.h"
#include "support/non_number_text.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::fuzzing {

[[noreturn]] inline void brokenRule(const std::string& what) {
  std::fprintf(stderr, "vorelan fuzz: %s\n", what.c_str());
  std::abort();
}

// A number with every digit, for the message of a broken rule.
inline std::string exactText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// Whether the bytes hold "inf" or "nan" anywhere, in any case.
inline bool holdsInfOrNan(std::string_view bytes) {
  std::string lower(bytes);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// The fuzzed bytes. Names and texts of the file are shown as they stand, so
// an inf or nan shown is only the program's own when the bytes hold none.
struct FuzzInput {
  FuzzInput(const std::uint8_t* bytes, std::size_t length)
      : data(bytes),
        size(length),
        ownNonNumbersOnly(!holdsInfOrNan(std::string_view(reinterpret_cast<const char*>(bytes), length))) {}
  const std::uint8_t* data;
  std::size_t size;
  bool ownNonNumbersOnly;
};

// The process's folder; emptied before every input, removed at exit.
class FuzzFolder {
 public:
  FuzzFolder()
      : path_(std::filesystem::temp_directory_path() / ("vorelan-fuzz-" + std::to_string(::getpid()))) {}
  ~FuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // Writes the input as the data file "cohort.txt", alone in the folder.
  std::string writeDataFile(const FuzzInput& input) { return writeInputFile(input, "cohort.txt"); }

  // Writes the input as the file `name`, alone in the folder.
  std::string writeInputFile(const FuzzInput& input, const std::string& name) {
    std::filesystem::create_directories(path_);
    for (const auto& entry : std::filesystem::directory_iterator(path_)) std::filesystem::remove_all(entry);
    inputName_ = name;
    const auto file = path_ / name;
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(input.data),
                                                static_cast<std::streamsize>(input.size));
    return file.string();
  }

  // The name every output file of a run begins with, as if the data file were
  // "cohort.txt" in this folder.
  std::string baseFileName() const { return (path_ / "cohort").string(); }

  // Whether the folder holds a file besides the input.
  bool holdsOutputs() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      if (entry.path().filename() != inputName_) return true;
    }
    return false;
  }

  // Every file a run wrote beside the data file must show only numbers.
  void requireNoNonNumberInOutputs(const FuzzInput& input) const {
    if (!input.ownNonNumbersOnly) return;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      if (!entry.is_regular_file() || entry.path().filename() == inputName_) continue;
      if (testing::showsANonNumber(testing::readFile(entry.path().string()))) {
        brokenRule("inf or nan written to " + entry.path().filename().string());
      }
    }
  }

 private:
  std::filesystem::path path_;
  std::string inputName_ = "cohort.txt";
};

inline FuzzFolder& fuzzFolder() {
  static FuzzFolder folder;
  return folder;
}

// No box may show inf or nan unless the input's own text does.
inline void requireNoNonNumberInBoxes(const testing::ScriptedPlatform& script, const FuzzInput& input) {
  for (const auto& box : script.boxes) {
    if (input.ownNonNumbersOnly && testing::showsANonNumber(box.text)) brokenRule("inf or nan in the box: " + box.text);
  }
}

// The only message box shown; a crash when there is none or more than one.
inline testing::ShownBox onlyMessage(const testing::ScriptedPlatform& script) {
  const auto messages = script.messages();
  if (messages.size() != 1) brokenRule(std::to_string(messages.size()) + " message boxes where one was due");
  return messages.front();
}

// One run of core work on one input, with everything it needs.
struct FuzzSession {
  explicit FuzzSession(const FuzzInput& fuzzed) : input(fuzzed) {}
  const FuzzInput& input;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();

  // Runs the work inside the handler boundary. A data error must end the
  // program through its one path: a box with one of `errorTitles`, then the
  // end; any other exception escapes and is reported as a crash.
  template <class Work>
  bool run(Work&& work, std::initializer_list<std::string_view> errorTitles) {
    const bool finished = runHandler(state, platform, std::forward<Work>(work));
    if (!finished) {
      const auto messages = script.messages();
      bool known = false;
      for (std::string_view title : errorTitles) known = known || (!messages.empty() && messages.back().title == title);
      if (!known) brokenRule("the program ended without a data-error box");
      if (script.endProgramCalls != 1) brokenRule("a data error did not end the program once");
    }
    requireNoNonNumberInBoxes(script, input);
    return finished;
  }
};

}  // namespace vorelan::fuzzing
