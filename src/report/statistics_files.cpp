#include "report/statistics_files.h"

#include <map>
#include <string>
#include <vector>

#include "report/output_file_names.h"
#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {
namespace {

// The individuals of a per-stage file: those that completed the stage, or
// every individual of one sex, and how the group is named.
struct Group {
  const char* inFileName;      // "_All sexes" in "_W_Larv_All sexes_consumption.txt"
  const char* afterStageName;  // the label of a pre-adult stage: "Larv-all sexes"
  const char* adultLabel;      // the label of the adult stage
  const char* sex;             // nullptr: all sexes
};

constexpr Group StageGroups[] = {
    {"_All sexes", "-all sexes", "Adult (All sexes)", nullptr},
    {"_Female", " (female)", "female adult", "F"},
    {"_Male", " (male)", "male adult", "M"},
};

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

bool listed(const AnalysisState& state, const Group& group, int i, int j) {
  if (group.sex == nullptr) return state.cohort.StageDuration(i, j) > 0;
  return state.cohort.Sex(i) == group.sex;
}

std::string stageLabel(const AnalysisState& state, const Group& group, int j) {
  if (j == adultStage(state)) return group.adultLabel;
  return state.header.StageName(1, j) + group.afterStageName;
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

// The two layouts of a file: two columns (individual, value) under a head
// of two strings, or one column of values closed by -1.
struct ListLayout {
  bool twoColumns;
  const char* nameEnd;  // before ".txt": "" or "_in column"
};
constexpr ListLayout TwoColumns{true, ""};
constexpr ListLayout OneColumn{false, "_in column"};

struct Listed {
  int individual;
  double value;
};

// The head, the stage label (two columns only) and the listed values.
void writeList(TextOutputFile& out, const ListLayout& layout, const std::string& heading,
               const std::string* stageLabel, const std::vector<Listed>& listed) {
  if (layout.twoColumns) {
    writeRecord(out, {"Ind. no.", heading});
    if (stageLabel != nullptr) writeRecord(out, {*stageLabel});
  } else {
    writeRecord(out, {heading});
  }
  for (const Listed& item : listed) {
    if (layout.twoColumns) {
      writeRecord(out, {item.individual, item.value});
    } else {
      writeRecord(out, {item.value});
    }
  }
  if (!layout.twoColumns) writeRecord(out, {-1});
}

// Every file of each stage with consumption, for all sexes, for the
// females, for the males; then the adult male and adult female files.
void writeStageAndAdultFiles(AnalysisState& state, Platform& platform, const ListLayout& layout) {
  const CohortRecords& cohort = state.cohort;
  const StageFiles files = stageFiles(state);
  for (const Group& group : StageGroups) {
    for (int j : files.stages) {
      std::vector<Listed> listedIndividuals;
      for (int i = 1; i <= individuals(state); ++i) {
        if (listed(state, group, i, j))
          listedIndividuals.push_back({i, cohort.StageConsumption(i, j)});
      }
      const std::string label = stageLabel(state, group, j);
      writeResultFile(
          state, platform,
          "_W_" + files.part.at(j) + group.inFileName + "_consumption" + layout.nameEnd + ".txt",
          [&](TextOutputFile& out) {
            writeList(out, layout, "Consumption rate", &label, listedIndividuals);
          });
    }
  }
  const int m = adultStage(state);
  const auto adultFile = [&](const char* sex, const std::string& name, const char* heading) {
    if (!someOfSexConsumedAsAdult(state, sex)) return;
    std::vector<Listed> listedIndividuals;
    for (int i = 1; i <= individuals(state); ++i) {
      if (cohort.Sex(i) == sex) listedIndividuals.push_back({i, cohort.StageConsumption(i, m)});
    }
    writeResultFile(state, platform, name + layout.nameEnd + ".txt", [&](TextOutputFile& out) {
      writeList(out, layout, heading, nullptr, listedIndividuals);
    });
  };
  adultFile("M", "_W_Male adult consumption", "Male adult consumption rate");
  adultFile("F", "_W_Female adult consumption", "Female adult consumption rate");
}

}  // namespace

void WriteStageConsumptionRawDataInColumnForStatistics(AnalysisState& state, Platform& platform) {
  writeStageAndAdultFiles(state, platform, TwoColumns);
}

void WriteStageConsumptionForTukeyKramer(AnalysisState& state, Platform& platform) {
  std::vector<Listed> everyIndividual;
  for (int i = 1; i <= individuals(state); ++i) {
    everyIndividual.push_back({i, state.longevity.TotalConsumption(i)});
  }
  writeResultFile(state, platform, "_Lifelong consumption_All sexes.txt", [&](TextOutputFile& out) {
    writeList(out, OneColumn, "Lifelong consumption rate", nullptr, everyIndividual);
  });
  writeStageAndAdultFiles(state, platform, OneColumn);
}

}  // namespace vorelan
