// One reader of the data file alone on fuzzed bytes, chosen when the target
// is built (VORELAN_FUZZED_READER): it reads the file or ends through the
// data-error box, and nothing else.
#include <cstdint>

#include "datafile/bootstrap_reader.h"
#include "datafile/data_file_checks.h"
#include "datafile/data_file_error.h"
#include "datafile/jackknife_reader.h"
#include "datafile/raw_data_reader.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorelan;
  const fuzzing::FuzzInput input(data, size);
  fuzzing::FuzzSession session(input);
  session.state.report.DataFileName = fuzzing::fuzzFolder().writeDataFile(input);
  // The jackknife reader leaves out the first individual.
  session.state.jackknife.JackOmitted = 1;
  session.run([&] { VORELAN_FUZZED_READER(session.state, session.platform); },
              {DataFileErrorTitle, JackknifeErrorTitle});
  return 0;
}
