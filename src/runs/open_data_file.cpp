#include "runs/open_data_file.h"

#include <cctype>
#include <string_view>

#include "datafile/data_file_checks.h"
#include "datafile/field_reader.h"
#include "model/characters.h"
#include "report/file_failure.h"
#include "report/output_file.h"
#include "report/output_file_names.h"
#include "runs/file_requests.h"

namespace vorelan {
namespace {

constexpr const char* TimeUnitPrompt = "Enter the time unit of your data (1 or 0.5)";
constexpr const char* TimeUnitTitle = "Each time unit =?";
// Longer steps than this are no life table of days; it also keeps every
// printed age finite. Shorter steps than the smallest would make the mean
// stage durations so small that the daily means divided by them overflow.
constexpr double MinTimeUnitDays = 0.001;
constexpr double MaxTimeUnitDays = 1000;
constexpr const char* TimeUnitBoundsMessage =
    "The time unit must be a number from 0.001 to 1000, such as 1 or 0.5.";

// Asks until the answer is a number within the bounds; nothing on Cancel.
std::optional<double> askTimeUnit(Platform& platform) {
  for (;;) {
    const auto answer = platform.input.ask(TimeUnitPrompt, TimeUnitTitle, "1");
    if (!answer) return std::nullopt;
    const auto value = leadingNumber(*answer);
    if (value && *value >= MinTimeUnitDays && *value <= MaxTimeUnitDays) return value;
    platform.message.show(TimeUnitBoundsMessage, TimeUnitTitle);
  }
}

}  // namespace

std::optional<double> leadingNumber(const std::string& answer) {
  const std::size_t n = answer.size();
  const auto isDigit = [&](std::size_t k) {
    return k < n && std::isdigit(static_cast<unsigned char>(answer[k]));
  };
  std::size_t start = 0;
  while (start < n && std::isspace(static_cast<unsigned char>(answer[start]))) ++start;
  // The longest prefix that reads as a number, found in one pass so that a
  // long answer costs no more than its length.
  std::size_t end = start;
  if (end < n && (answer[end] == '+' || answer[end] == '-')) ++end;
  while (isDigit(end)) ++end;
  if (end < n && answer[end] == '.') {
    ++end;
    while (isDigit(end)) ++end;
  }
  if (end < n && (answer[end] == 'e' || answer[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < n && (answer[exponent] == '+' || answer[exponent] == '-')) ++exponent;
    if (isDigit(exponent)) {
      while (isDigit(exponent)) ++exponent;
      end = exponent;
    }
  }
  return parseNumber(std::string_view(answer).substr(start, end - start));
}

std::string baseFileNameOf(const std::string& dataFileName) {
  // Only the file's own name is cut, so that the cut never reaches into the
  // folder's name and every result stays beside the data file. Four
  // characters, not bytes: a name may hold letters outside ASCII.
  const std::size_t nameStart = dataFileName.rfind('/') + 1;  // 0 when there is no folder
  const std::string_view name = std::string_view(dataFileName).substr(nameStart);
  const std::size_t characters = characterCount(name);
  if (characters <= 4) return dataFileName;
  return dataFileName.substr(0, nameStart).append(firstCharacters(name, characters - 4));
}

bool OpenDataFile(AnalysisState& state, Platform& platform) {
  // One analysis per run of the program: a data file opened after it could
  // only lead to a Basic Run that computes nothing.
  if (state.run.BasicRunDone == "yes") return false;
  const auto timeUnit = askTimeUnit(platform);
  if (!timeUnit) return false;
  state.run.TimeUnit = *timeUnit;

  const std::string path = platform.fileDialog.openFile(dataFileRequest());
  if (path.empty()) return false;

  state.files.inputs.note(path);
  // A refused Open leaves no file opened: "Step 1." and the Basic Run must
  // not take the file for one.
  const ReportState namesBefore = state.report;
  CheckedDataFile checkedBefore = state.files.checkedDataFile;
  state.report.DataFileName = path;
  state.report.BaseFileName = baseFileNameOf(path);
  state.report.ReportFileName = state.report.BaseFileName + BasicReportSuffix;

  CheckData2005(state, platform);
  // What a killed run left beside the data file goes; the report is begun
  // beside it, and replaces an earlier report only when the Basic Run ends.
  removeLeftTemporaryFiles(folderOf(path), state.files.inputs);
  if (!openOutputFile(state.files.file3, state.report.ReportFileName, state.files)) {
    tellUnwrittenFiles(state, platform);
    state.report = namesBefore;
    state.files.checkedDataFile = std::move(checkedBefore);
    return false;
  }
  state.run.DataFileAwaitingRun = true;
  return true;
}

}  // namespace vorelan
