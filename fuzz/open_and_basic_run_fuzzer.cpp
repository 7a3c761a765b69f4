// The whole Open data file and Basic Run on fuzzed bytes: a data error ends
// through the data-error box; a finished run writes every file, none of them
// with inf or nan, and no file that cannot be written.
#include <array>

#include "datafile/data_file_error.h"
#include "fuzz_session.h"
#include "runs/basic_run.h"
#include "runs/open_data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorelan;
  fuzzing::FuzzFolder& folder = fuzzing::fuzzFolder();
  const fuzzing::FuzzInput input(data, size);
  fuzzing::FuzzSession session(input);
  // The time unit varies with the input, from the smallest accepted upward.
  static constexpr std::array<const char*, 3> TimeUnits = {"1", "0.5", "0.001"};
  session.script.inputAnswers = {TimeUnits[size % TimeUnits.size()]};
  session.script.chosenFiles = {folder.writeDataFile(input)};
  const bool finished = session.run(
      [&] {
        if (OpenDataFile(session.state, session.platform)) BasicRun(session.state, session.platform);
      },
      {DataFileErrorTitle});
  if (!finished) return 0;
  for (const auto& box : session.script.messages()) {
    if (box.title == "Error in output file") fuzzing::brokenRule("a file of the run could not be written: " + box.text);
  }
  folder.requireNoNonNumberInOutputs(input);
  return 0;
}
