#include "report/statistics_files.h"

#include <map>
#include <string>
#include <vector>

#include "report/output_file_names.h"
#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {
namespace {

enum class Group { AllSexes, Females, Males };

struct StageFiles {
  std::vector<int> stages;          // stages with consumption, in order
  std::map<int, std::string> part;  // their name in the file names
};

int adultStage(const AnalysisState& state) { return state.header.NumStages; }

int individuals(const AnalysisState& state) { return state.header.NumIndividuals; }

bool hasConsumption(const AnalysisState& state, int j) {
  for (int i = 1; i <= individuals(state); ++i) {
    if (state.cohort.StageConsumption(i, j) > 0) return true;
  }
  return false;
}

bool someOfSexConsumedAsAdult(const AnalysisState& state, const char* sex) {
  for (int i = 1; i <= individuals(state); ++i) {
    if (state.cohort.Sex(i) == sex && state.cohort.StageConsumption(i, adultStage(state)) > 0) {
      return true;
    }
  }
  return false;
}

// The stages that get files, and the part of their file names: the stage
// name, "Adult" for the adult stage, kept apart where two would coincide.
StageFiles stageFiles(const AnalysisState& state) {
  StageFiles files;
  std::vector<StageNamePart> names;
  for (int j = 1; j <= adultStage(state); ++j) {
    if (!hasConsumption(state, j)) continue;
    files.stages.push_back(j);
    names.push_back({j, j < adultStage(state) ? state.header.StageName(1, j) : "Adult"});
  }
  const std::vector<std::string> parts = distinctStageParts(names);
  for (std::size_t k = 0; k < parts.size(); ++k) files.part[files.stages[k]] = parts[k];
  return files;
}

const char* groupInName(Group group) {
  switch (group) {
    case Group::AllSexes:
      return "_All sexes";
    case Group::Females:
      return "_Female";
    case Group::Males:
      return "_Male";
  }
  return "";
}

bool listed(const AnalysisState& state, Group group, int i, int j) {
  switch (group) {
    case Group::AllSexes:
      return state.cohort.StageDuration(i, j) > 0;
    case Group::Females:
      return state.cohort.Sex(i) == "F";
    case Group::Males:
      return state.cohort.Sex(i) == "M";
  }
  return false;
}

std::string stageLabel(const AnalysisState& state, Group group, int j) {
  if (j == adultStage(state)) {
    switch (group) {
      case Group::AllSexes:
        return "Adult (All sexes)";
      case Group::Females:
        return "female adult";
      case Group::Males:
        return "male adult";
    }
  }
  const std::string& name = state.header.StageName(1, j);
  switch (group) {
    case Group::AllSexes:
      return name + "-all sexes";
    case Group::Females:
      return name + " (female)";
    case Group::Males:
      return name + " (male)";
  }
  return name;
}

void printProject(TextOutputFile& out, const AnalysisState& state) {
  printTo(out).text("Project: ").text(state.header.ProjectName).endLine();
}

// Writes the file under ResultFileName, which names the file being written.
template <class Fill>
void writeResultFile(AnalysisState& state, Platform& platform, const std::string& suffix,
                     Fill&& fill) {
  state.report.ResultFileName = state.report.BaseFileName + suffix;
  writeSingleFile(state.files.file1, state.report.ResultFileName, platform,
                  [&](TextOutputFile& out) {
                    printProject(out, state);
                    fill(out);
                  });
}

constexpr Group StageGroups[] = {Group::AllSexes, Group::Females, Group::Males};

}  // namespace

void WriteStageConsumptionRawDataInColumnForStatistics(AnalysisState& state, Platform& platform) {
  const StageFiles files = stageFiles(state);
  const CohortRecords& cohort = state.cohort;
  for (Group group : StageGroups) {
    for (int j : files.stages) {
      writeResultFile(state, platform,
                      "_W_" + files.part.at(j) + groupInName(group) + "_consumption.txt",
                      [&](TextOutputFile& out) {
                        writeRecord(out, {"Ind. no.", "Consumption rate"});
                        writeRecord(out, {stageLabel(state, group, j)});
                        for (int i = 1; i <= individuals(state); ++i) {
                          if (listed(state, group, i, j)) {
                            writeRecord(out, {i, cohort.StageConsumption(i, j)});
                          }
                        }
                      });
    }
  }
  const int m = adultStage(state);
  const auto adultFile = [&](const char* sex, const char* suffix, const char* heading) {
    if (!someOfSexConsumedAsAdult(state, sex)) return;
    writeResultFile(state, platform, suffix, [&](TextOutputFile& out) {
      writeRecord(out, {"Ind. no.", heading});
      for (int i = 1; i <= individuals(state); ++i) {
        if (cohort.Sex(i) == sex) writeRecord(out, {i, cohort.StageConsumption(i, m)});
      }
    });
  };
  adultFile("M", "_W_Male adult consumption.txt", "Male adult consumption rate");
  adultFile("F", "_W_Female adult consumption.txt", "Female adult consumption rate");
}

void WriteStageConsumptionForTukeyKramer(AnalysisState& state, Platform& platform) {
  const CohortRecords& cohort = state.cohort;
  writeResultFile(state, platform, "_Lifelong consumption_All sexes.txt", [&](TextOutputFile& out) {
    writeRecord(out, {"Lifelong consumption rate"});
    for (int i = 1; i <= individuals(state); ++i) {
      writeRecord(out, {state.longevity.TotalConsumption(i)});
    }
    writeRecord(out, {-1});
  });

  const StageFiles files = stageFiles(state);
  for (Group group : StageGroups) {
    for (int j : files.stages) {
      writeResultFile(state, platform,
                      "_W_" + files.part.at(j) + groupInName(group) + "_consumption_in column.txt",
                      [&](TextOutputFile& out) {
                        writeRecord(out, {"Consumption rate"});
                        for (int i = 1; i <= individuals(state); ++i) {
                          if (listed(state, group, i, j)) {
                            writeRecord(out, {cohort.StageConsumption(i, j)});
                          }
                        }
                        writeRecord(out, {-1});
                      });
    }
  }
  const int m = adultStage(state);
  const auto adultFile = [&](const char* sex, const char* suffix, const char* heading) {
    if (!someOfSexConsumedAsAdult(state, sex)) return;
    writeResultFile(state, platform, suffix, [&](TextOutputFile& out) {
      writeRecord(out, {heading});
      for (int i = 1; i <= individuals(state); ++i) {
        if (cohort.Sex(i) == sex) writeRecord(out, {cohort.StageConsumption(i, m)});
      }
      writeRecord(out, {-1});
    });
  };
  adultFile("M", "_W_Male adult consumption_in column.txt", "Male adult consumption rate");
  adultFile("F", "_W_Female adult consumption_in column.txt", "Female adult consumption rate");
}

}  // namespace vorelan
