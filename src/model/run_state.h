#pragma once
// File names, report counters and the run flags of the program.
#include <cstdint>
#include <string>

namespace vorelan {

struct ReportState {
  std::int16_t PageNo = 0;
  std::int16_t TableNo = 0;
  std::string TableTitle;
  std::string TableSubtitle;  // second title line of the next matrix table
  std::string TableNote;      // line under the closing rule of the next matrix table
  std::string DataFileName;
  std::string BaseFileName;
  std::string ReportFileName;
  std::string OutputFileName;
  std::string ResultFileName;
  std::string OutFileSuffix;
  std::string ExportFileName;
};

struct RunFlags {
  double TimeUnit = 1;  // days per time unit: 1 or 0.5
  std::string ResampleMethod;
  std::string BasicRunDone;
  std::string ResamplingDone;
  std::string SASDRead;
  double BasicRunC0 = 0;
};

}  // namespace vorelan
