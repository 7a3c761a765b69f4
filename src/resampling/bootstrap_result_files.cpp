#include "resampling/bootstrap_result_files.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "predation/predation_rates.h"
#include "report/output_file_names.h"
#include "report/report_writer.h"
#include "report/output_files_in_parallel.h"

namespace vorelan {
namespace {

using ReplicateValue = std::function<double(int b)>;

enum class Layout { InColumn, InRow };

// The six records that open every result file.
struct FileHead {
  std::string project;  // the first record
  std::string sampleSizeLine;
  std::int32_t n;
  std::string replicatesLine;
  std::string tag;
  double wholeCohortValue;
};

void writeHead(TextOutputFile& out, const FileHead& head, std::int32_t replicates) {
  writeRecord(out, {head.project});
  writeRecord(out, {head.sampleSizeLine});
  writeRecord(out, {head.n});
  writeRecord(out, {head.replicatesLine});
  writeRecord(out, {replicates});
  writeRecord(out, {head.tag, head.n, head.wholeCohortValue});
}

void writeValues(TextOutputFile& out, Layout layout, std::int32_t replicates, const ReplicateValue& valueOf) {
  if (layout == Layout::InColumn) {
    for (int b = 1; b <= replicates; ++b) writeRecord(out, {valueOf(b)});
    return;
  }
  int onLine = 0;
  for (int b = 1; b <= replicates; ++b) {
    printTo(out).number(valueOf(b));
    if (++onLine == 5) {
      printTo(out).endLine();
      onLine = 0;
    } else {
      printTo(out).text(",");
    }
  }
  printTo(out).text("-1").endLine();
}

// The files of a procedure, or of the whole run, are filled at once; the
// name fields of the state then hold the last file's, as if they had been
// written one after another.
using ResultFileJobs = std::vector<OutputFileJob>;

void addResultFile(const AnalysisState& state, ResultFileJobs& jobs, const std::string& suffix, const FileHead& head,
                   Layout layout, ReplicateValue valueOf) {
  const std::int32_t replicates = state.bootstrap.NumBootstrap;
  jobs.push_back({state.report.BaseFileName + suffix, [head, layout, replicates, valueOf](TextOutputFile& out) {
                    writeHead(out, head, replicates);
                    writeValues(out, layout, replicates, valueOf);
                  }});
}

void writeResultFiles(AnalysisState& state, const ResultFileJobs& jobs) {
  writeOutputFiles(jobs, state.files);
  if (!jobs.empty()) state.report.OutputFileName = jobs.back().path;
}

// The eight files of one estimate each.
enum class Estimate { C0, Omega, Psi, Qp };

struct EstimateFile {
  const char* suffix;
  const char* replicatesLine;  // its trailing blank, where it has one, belongs to it
  Estimate estimate;
  Layout layout;
};

const char* tagOf(Estimate e) {
  switch (e) {
    case Estimate::C0: return "C0";
    case Estimate::Omega: return "Omega";
    case Estimate::Psi: return "Psi";
    case Estimate::Qp: return "Qp";
  }
  return "";
}

double wholeCohortValue(const AnalysisState& state, Estimate e) {
  switch (e) {
    case Estimate::C0: return state.run.BasicRunC0;
    // Without a distribution read they were never formed: "-", not 0.
    case Estimate::Omega: return wholeCohortOmega(state);
    case Estimate::Psi: return wholeCohortPsi(state);
    // Without Ro of all individuals there is no Qp of the whole cohort: its
    // place shows that it could not be formed, not a 0 that looks like one.
    case Estimate::Qp:
      return state.bootSummary.HasQp ? state.bootSummary.Qp : std::numeric_limits<double>::quiet_NaN();
  }
  return 0;
}

ReplicateValue replicateValues(const AnalysisState& state, Estimate e) {
  switch (e) {
    case Estimate::C0: return [&state](int b) { return state.bootstrap.BootC0(b); };
    case Estimate::Omega: return [&state](int b) { return state.bootstrap.BootOmega(b); };
    case Estimate::Psi: return [&state](int b) { return state.bootstrap.BootPsi(b); };
    case Estimate::Qp: return [&state](int b) { return state.bootSummary.BootQp(b); };
  }
  return {};
}

void addEstimateFile(const AnalysisState& state, ResultFileJobs& jobs, const EstimateFile& file) {
  const FileHead head{"Project: " + state.header.ProjectName,
                      "Next line is the bootstrap sample size (n)",
                      state.bootstrap.BootSampleSize,
                      file.replicatesLine,
                      tagOf(file.estimate),
                      wholeCohortValue(state, file.estimate)};
  addResultFile(state, jobs, file.suffix, head, file.layout, replicateValues(state, file.estimate));
}

constexpr const char* BLine = "Next line is the effective bootstrap numbers (B)";
constexpr const char* BLineBlank = "Next line is the effective bootstrap numbers (B) ";

// One file of the replicates' stage means.
struct StageMeanFile {
  std::string name;  // between the base name and "_in column.txt"
  std::int32_t n;
  std::string tag;
  double wholeCohortValue;
  ReplicateValue replicateValue;
};

std::string stageNamePart(const AnalysisState& state, int j) {
  return j == state.header.NumStages ? "Adult" : fileNameSafe(state.header.StageName(1, j));
}

std::string stageTag(const AnalysisState& state, int j) {
  return j == state.header.NumStages ? "Adult" : state.header.StageName(1, j);
}

void addDurationFiles(const AnalysisState& state, std::vector<StageMeanFile>& files) {
  const StageStatistics& st = state.stageStats;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    if (st.StageDurSampleSize(j) == 0) continue;
    files.push_back({"_Effective Boots-W_Stage mean_" + std::to_string(j) + "_" + stageNamePart(state, j),
                     st.StageDurSampleSize(j), stageTag(state, j), st.StageDurMean(j),
                     [&state, j](int b) { return state.bootstrap.BootStageDurMean(b, j); }});
  }
}

void addConsumptionFiles(const AnalysisState& state, std::vector<StageMeanFile>& files) {
  const StageStatistics& st = state.stageStats;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    if (st.StageConsSampleSize(j) == 0 || st.StageConsMean(j) == 0) continue;
    files.push_back({"_Effective Boots-Y_Mean consumption_" + std::to_string(j) + "_" + stageNamePart(state, j),
                     st.StageConsSampleSize(j), stageTag(state, j), st.StageConsMean(j),
                     [&state, j](int b) { return state.bootstrap.BootStageConsMean(b, j); }});
  }
  // Two sex lines whose names a file name cannot keep apart would share files.
  std::vector<StageNamePart> sexNames;
  for (int s = 1; s <= state.header.NumSexes; ++s) sexNames.push_back({s, state.header.SexName(s)});
  const std::vector<std::string> sexPart = distinctStageParts(sexNames);
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 1; j <= state.header.NumStages; ++j) {
      if (st.SexStageConsSampleSize(s, j) == 0 || st.SexStageConsMean(s, j) == 0) continue;
      files.push_back({"_Effective Boots-Y_Mean consumption_" + sexPart[static_cast<std::size_t>(s - 1)] + "_" +
                           std::to_string(j) + "_" + stageNamePart(state, j),
                       st.SexStageConsSampleSize(s, j), stageTag(state, j), st.SexStageConsMean(s, j),
                       [&state, s, j](int b) { return state.bootstrap.BootSexStageConsMean(b, s, j); }});
    }
  }
}

// Cumulative durations from the first stage: their names hold no stage
// number, so two stages of one name are kept apart by it.
void addCumulativeDurationFiles(const AnalysisState& state, std::vector<StageMeanFile>& files) {
  const StageStatistics& st = state.stageStats;
  const int m = state.header.NumStages;
  std::vector<StageNamePart> names;
  for (int j = 1; j < m; ++j) names.push_back({j, state.header.StageName(1, j)});
  const std::vector<std::string> part = distinctStageParts(names);
  const auto nameOf = [&](int j) { return part[static_cast<std::size_t>(j - 1)]; };
  const std::string& first = state.header.StageName(1, 1);
  for (int j = 2; j <= m; ++j) {
    if (st.StageDurSampleSize(j) == 0 || st.CumDurMean(j) == 0) continue;
    StageMeanFile file{"", st.StageDurSampleSize(j), "", st.CumDurMean(j),
                       [&state, j](int b) { return state.bootstrap.BootCumDurMean(b, j); }};
    if (j < m - 1) {
      file.name = "_Effective Boots-X_" + nameOf(1) + "-to-" + nameOf(j);
      file.tag = first + "-" + state.header.StageName(1, j);
    } else if (j == m - 1) {
      file.name = "_Effective Boots-W_PreAdult";
      file.tag = "PreAdult";
    } else {
      file.name = "_Effective Boots-X_" + nameOf(1) + "-to-Adult";
      file.tag = "Total longevity";
    }
    files.push_back(std::move(file));
  }
}

std::vector<StageMeanFile> stageMeanFiles(const AnalysisState& state) {
  std::vector<StageMeanFile> files;
  addDurationFiles(state, files);
  addConsumptionFiles(state, files);
  addCumulativeDurationFiles(state, files);
  return files;
}

void addStageMeanFiles(const AnalysisState& state, ResultFileJobs& jobs, Layout layout) {
  const char* ending = layout == Layout::InColumn ? "_in column.txt" : "_in row.txt";
  for (const StageMeanFile& file : stageMeanFiles(state)) {
    const FileHead head{state.header.ProjectName, "Next line is Bootstrap sample size (n)", file.n,
                        "Next line is effective bootstrap number (B)", file.tag, file.wholeCohortValue};
    addResultFile(state, jobs, file.name + ending, head, layout, file.replicateValue);
  }
}

void writeStageMeanFiles(AnalysisState& state, Platform& /*platform*/, Layout layout) {
  ResultFileJobs jobs;
  addStageMeanFiles(state, jobs, layout);
  writeResultFiles(state, jobs);
  if (jobs.empty()) return;
  const std::string& last = jobs.back().path;
  state.report.OutFileSuffix = last.substr(state.report.BaseFileName.size());
  state.report.ResultFileName = last;
}

void addDailyMeanFiles(const AnalysisState& state, ResultFileJobs& jobs) {
  for (int j = 1; j <= state.header.NumStages + 1; ++j) {
    const std::string number = std::to_string(j);
    const FileHead head{"Project: " + state.header.ProjectName, "Next line is the bootstrap sample size (n)",
                        state.bootstrap.BootSampleSize, BLine, "Stage " + number,
                        state.ageVectors.StageDailyMeanConsumption(j)};
    addResultFile(state, jobs, "_24_Bootstrap_Stage consume-" + number + "-in Row.txt", head, Layout::InRow,
                  [&state, j](int b) { return state.bootstrap.BootStageDailyMeanConsumption(j, b); });
  }
}

// The files of one estimate, in the order of the run.
const EstimateFile C0InRow{"_4_Bootstrap_C0-in Row.txt", BLine, Estimate::C0, Layout::InRow};
const EstimateFile C0InColumn{"_4_Bootstrap_C0_in column.txt", BLineBlank, Estimate::C0, Layout::InColumn};
const EstimateFile PsiInColumn{"_4_Bootstrap_Psi_in column.txt", BLineBlank, Estimate::Psi, Layout::InColumn};
const EstimateFile PsiInRow{"_4_Bootstrap_Psi-in Row.txt", BLine, Estimate::Psi, Layout::InRow};
const EstimateFile OmegaInColumn{"_4_Bootstrap_Omega_in column.txt",
                                 "Next line is the effective bootstrap numbers (m) ", Estimate::Omega,
                                 Layout::InColumn};
const EstimateFile OmegaInRow{"_4_Bootstrap_Omega-in Row.txt", BLine, Estimate::Omega, Layout::InRow};
const EstimateFile QpInColumn{"_4_Bootstrap_Qp_in column.txt", BLineBlank, Estimate::Qp, Layout::InColumn};
const EstimateFile QpInRow{"_4_Bootstrap_Qp-in Row.txt", BLineBlank, Estimate::Qp, Layout::InRow};

void writeEstimateFile(AnalysisState& state, Platform& /*platform*/, const EstimateFile& file) {
  ResultFileJobs jobs;
  addEstimateFile(state, jobs, file);
  writeResultFiles(state, jobs);
}

}  // namespace

void WriteBootstrapNetConsumptionInColumn(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, C0InColumn);
}
void WriteBootstrapNetConsumptionInRow(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, C0InRow);
}
void WriteBootstrapFinitePredationRateInColumn(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, OmegaInColumn);
}
void WriteBootstrapFinitePredationRateInRow(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, OmegaInRow);
}
void WriteBootstrapStablePredationRateInColumn(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, PsiInColumn);
}
void WriteBootstrapStablePredationRateInRow(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, PsiInRow);
}
void WriteBootstrapQpInColumn(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, QpInColumn);
}
void WriteBootstrapQpInRow(AnalysisState& state, Platform& platform) {
  writeEstimateFile(state, platform, QpInRow);
}

void WriteBootstageMeaninColumn(AnalysisState& state, Platform& platform) {
  writeStageMeanFiles(state, platform, Layout::InColumn);
}
void WriteBootstageMeaninRow(AnalysisState& state, Platform& platform) {
  writeStageMeanFiles(state, platform, Layout::InRow);
}

void WriteBootDailyMeanConsumeInRow(AnalysisState& state, Platform& /*platform*/) {
  ResultFileJobs jobs;
  addDailyMeanFiles(state, jobs);
  writeResultFiles(state, jobs);
}

// Every file of the run at once, in the order of the run's procedures.
void WriteBootstrapResultFiles(AnalysisState& state, Platform& /*platform*/) {
  ResultFileJobs jobs;
  addEstimateFile(state, jobs, C0InRow);
  addEstimateFile(state, jobs, C0InColumn);
  if (state.bootstrap.SameBootSamples == "Yes") {
    for (const EstimateFile* file : {&PsiInColumn, &PsiInRow, &OmegaInColumn, &OmegaInRow, &QpInColumn, &QpInRow}) {
      addEstimateFile(state, jobs, *file);
    }
  }
  const std::size_t firstStageMean = jobs.size();
  addStageMeanFiles(state, jobs, Layout::InColumn);
  addStageMeanFiles(state, jobs, Layout::InRow);
  const std::size_t lastStageMean = jobs.size();
  addDailyMeanFiles(state, jobs);
  writeResultFiles(state, jobs);
  if (lastStageMean > firstStageMean) {
    state.report.ResultFileName = jobs[lastStageMean - 1].path;
    state.report.OutFileSuffix = state.report.ResultFileName.substr(state.report.BaseFileName.size());
  }
}

}  // namespace vorelan
