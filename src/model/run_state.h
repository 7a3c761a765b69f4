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
  // Phases of the program's run that decide which controls of the main
  // window can be used (see runs/main_window_controls.h).
  bool DataFileAwaitingRun = false;  // a data file was opened and not yet run
  bool ResamplingRunning = false;    // a jackknife or bootstrap run is going on
  bool AnalysisClosed = false;       // the user closed the analysis from the result window
};

}  // namespace vorelan
