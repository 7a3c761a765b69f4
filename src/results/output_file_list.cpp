#include "results/output_file_list.h"

#include <filesystem>
#include <span>

#include "report/figure_data_files.h"
#include "results/resampling_result.h"

namespace vorelan {
namespace {

struct ListedFile {
  const char* caption;
  const char* suffix;
};

constexpr ListedFile BasicRunFiles[] = {
    {"The age-stage consumption rate c(x,j):", AgeStageConsumptionRateSuffix},
    {"The age-specific survival l(x), consumption k(x) and net consumption q(x):", AgeSurvivalConsumptionSuffix},
    {"The total consumption T(x,j) of each age-stage group:", AgeStageTotalConsumptionSuffix},
    {"The consumption rate c(x,j) of each stage, for a predation program:", CxjForPredationSuffix},
    {"The total consumption T(x) of each age:", AgeTotalConsumptionSuffix},
};

constexpr ListedFile DistributionFiles[] = {
    {"The predation rates from the stable age-stage distribution:", "_0_Output_Finite_Predation_Rate_omega.txt"},
};

constexpr ListedFile JackknifeFiles[] = {
    {"The jackknife pseudo-values of C0, for a t-test:", "_5_Pseudo_Consumption_Rate_For_t-test.txt"},
    {"The frequency table of the jackknife pseudo-values of C0:", "_9_Fig_Jackknife-Co frequency.txt"},
};

constexpr ListedFile BootstrapFiles[] = {
    {"The bootstrap values of C0, one a line:", "_4_Bootstrap_C0_in column.txt"},
    {"The bootstrap values of C0, five a line:", "_4_Bootstrap_C0-in Row.txt"},
    {"The frequency table of the bootstrap values of C0:", "_9_Bootstrap-Co frequency.txt"},
    {"The normal density curve of C0 from the bootstrap:", "_22_Bootstrap-C0-Normal density.txt"},
    {"The bootstrap values of the finite predation rate:", "_4_Bootstrap_Omega_in column.txt"},
    {"The bootstrap values of the stable predation rate:", "_4_Bootstrap_Psi_in column.txt"},
    {"The bootstrap values of Qp:", "_4_Bootstrap_Qp_in column.txt"},
};

struct FileFamily {
  const char* heading;
  std::span<const ListedFile> files;
};

// The files of the runs that have finished.
std::vector<FileFamily> filesOfFinishedRuns(const AnalysisState& state) {
  std::vector<FileFamily> families;
  if (state.run.BasicRunDone == "yes") families.push_back({"The graphic data files are:", BasicRunFiles});
  if (state.run.SASDRead == "Yes") families.push_back({"The predation rate file is:", DistributionFiles});
  if (resamplingFinished(state)) {
    if (state.run.ResampleMethod == "j") families.push_back({"The jackknife result files are:", JackknifeFiles});
    if (state.run.ResampleMethod == "b") families.push_back({"The bootstrap result files are:", BootstrapFiles});
  }
  return families;
}

// Written by this run of the program and still there: a file of the same
// name that an earlier run of the program left, with its numbers, is not
// this analysis's.
bool writtenAndThere(const AnalysisState& state, const std::string& name) {
  std::error_code error;
  return state.files.wasWritten(name) && std::filesystem::is_regular_file(std::filesystem::path(name), error);
}

}  // namespace

OutputFileList doneformFiles(const AnalysisState& state) {
  // A report that could not be written leaves an earlier run's file of its
  // name, with that run's numbers: the box does not name it.
  const std::string& report = state.report.ReportFileName;
  OutputFileList list{state.files.wasWritten(report) ? report : std::string(), {}};
  // After a resampling run the report box names that run's report; the
  // Basic Run's report, with the life table itself, is still there to read.
  const std::string& basicReport = state.basicRun.ReportFileName;
  if (state.basicRun.kept && basicReport != report && writtenAndThere(state, basicReport)) {
    list.groups.push_back(
        {"The report of the Basic Run is:", {{"The life table, its statistics and matrices:", basicReport}}});
  }
  for (const FileFamily& family : filesOfFinishedRuns(state)) {
    OutputFileGroup group{family.heading, {}};
    for (const ListedFile& file : family.files) {
      std::string name = state.report.BaseFileName + file.suffix;
      if (writtenAndThere(state, name)) group.files.push_back({file.caption, std::move(name)});
    }
    if (!group.files.empty()) list.groups.push_back(std::move(group));
  }
  return list;
}

std::string OutputFileList::reportBoxText() const {
  return reportFileName.empty() ? NoReportWrittenText : reportFileName;
}

std::vector<OutputFileEntry> OutputFileList::files() const {
  std::vector<OutputFileEntry> all;
  for (const OutputFileGroup& group : groups) all.insert(all.end(), group.files.begin(), group.files.end());
  return all;
}

}  // namespace vorelan
