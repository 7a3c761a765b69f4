#pragma once
// The whole state of one analysis, passed by reference to every step.
// Members are grouped as the steps fill them; each step reads what the
// earlier ones left and leaves its results for the later ones. The numbers
// and names (AnalysisData) are apart from the files held open, so that they
// can be copied whole and put back when a run does not finish.
#include "analysed_data_file.h"
#include "basic_run_results.h"
#include "bootstrap_state.h"
#include "bootstrap_summary.h"
#include "cohort_data.h"
#include "comparison_state.h"
#include "jackknife_state.h"
#include "life_table.h"
#include "lifetime_statistics.h"
#include "open_files.h"
#include "predation_state.h"
#include "run_state.h"
#include "stage_statistics.h"

namespace vorelan {

struct AnalysisData {
  CohortHeader header;             // counts and header of the data file
  CohortRecords cohort;            // the working cohort
  SourceCohort source;             // the source cohort of the bootstrap
  StageStatistics stageStats;      // stage durations and consumption
  SpanStatistics span;             // span and lifetime consumption
  LongevityStatistics longevity;   // longevity, per-age consumption, Nc, Cbar
  AgeStageMatrices matrices;       // n, s, g, d, c of (x, j)
  AgeVectors ageVectors;           // l(x), q(x), k(x), C0 and the stage sums
  ReportState report;              // file names and report counters
  RunFlags run;                    // time unit and run flags
  BootstrapState bootstrap;        // bootstrap sample size
  BootstrapSummary bootSummary;    // Qp and the same-samples statistics of the bootstrap
  JackknifeState jackknife;        // the omitted individual and the C0 of each pass
  BasicRunResults basicRun;        // what the result windows show, kept when the Basic Run ends
  AnalysedDataFile analysedDataFile;  // the data file's bytes the Basic Run computed on
  ComparisonState comparison;      // the comparison of two bootstrap results
  PredationState predation;        // stable age-stage distribution and predation rates
};

struct AnalysisState : AnalysisData {
  OpenFiles files;  // files held open between steps
};

}  // namespace vorelan
