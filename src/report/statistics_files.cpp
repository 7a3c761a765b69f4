#include "report/statistics_files.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/output_file_names.h"
#include "report/report_writer.h"
#include "report/output_files_in_parallel.h"

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

void printProject(TextOutputFile& out, const std::string& projectName) {
  printTo(out).text("Project: ").text(projectName).endLine();
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

// What one file holds: everything it needs is copied in, so that the files
// can be filled side by side while the state is left alone.
struct ListFile {
  std::string heading;
  std::optional<std::string> stageLabel;  // two columns only
  std::vector<Listed> listed;
};

// The head, the stage label (two columns only) and the listed values.
void writeList(TextOutputFile& out, const ListLayout& layout, const ListFile& file) {
  if (layout.twoColumns) {
    writeRecord(out, {"Ind. no.", file.heading});
    if (file.stageLabel) writeRecord(out, {*file.stageLabel});
  } else {
    writeRecord(out, {file.heading});
  }
  for (const Listed& item : file.listed) {
    if (layout.twoColumns) {
      writeRecord(out, {item.individual, item.value});
    } else {
      writeRecord(out, {item.value});
    }
  }
  if (!layout.twoColumns) writeRecord(out, {-1});
}

// The files of one procedure, written at once: each begins with the project
// line. The name of the file being written (ResultFileName) then holds the
// last file's, as if they had been written one after another.
class ListFiles {
 public:
  ListFiles(const AnalysisState& state, const ListLayout& layout) : state_(state), layout_(layout) {}

  const ListLayout& layout() const { return layout_; }

  void add(const std::string& suffix, ListFile file) {
    auto shared = std::make_shared<const ListFile>(std::move(file));
    jobs_.push_back({state_.report.BaseFileName + suffix,
                     [project = state_.header.ProjectName, layout = layout_, shared](TextOutputFile& out) {
                       printProject(out, project);
                       writeList(out, layout, *shared);
                     }});
  }

  void write(AnalysisState& state) const {
    writeOutputFiles(jobs_, state.files);
    if (!jobs_.empty()) state.report.ResultFileName = jobs_.back().path;
  }

 private:
  const AnalysisState& state_;
  ListLayout layout_;
  std::vector<OutputFileJob> jobs_;
};

// Every file of each stage with consumption, for all sexes, for the
// females, for the males; then the adult male and adult female files.
void addStageAndAdultFiles(const AnalysisState& state, ListFiles& files) {
  const ListLayout& layout = files.layout();
  const CohortRecords& cohort = state.cohort;
  const StageFiles stages = stageFiles(state);
  for (const Group& group : StageGroups) {
    for (int j : stages.stages) {
      ListFile file{"Consumption rate", std::nullopt, {}};
      for (int i = 1; i <= individuals(state); ++i) {
        if (listed(state, group, i, j)) file.listed.push_back({i, cohort.StageConsumption(i, j)});
      }
      if (layout.twoColumns) file.stageLabel = stageLabel(state, group, j);
      files.add("_W_" + stages.part.at(j) + group.inFileName + "_consumption" + layout.nameEnd + ".txt",
                std::move(file));
    }
  }
  const int m = adultStage(state);
  const auto adultFile = [&](const char* sex, const std::string& name, const char* heading) {
    if (!someOfSexConsumedAsAdult(state, sex)) return;
    ListFile file{heading, std::nullopt, {}};
    for (int i = 1; i <= individuals(state); ++i) {
      if (cohort.Sex(i) == sex) file.listed.push_back({i, cohort.StageConsumption(i, m)});
    }
    files.add(name + layout.nameEnd + ".txt", std::move(file));
  };
  adultFile("M", "_W_Male adult consumption", "Male adult consumption rate");
  adultFile("F", "_W_Female adult consumption", "Female adult consumption rate");
}

}  // namespace

void WriteStageConsumptionRawDataInColumnForStatistics(AnalysisState& state, Platform& /*platform*/) {
  ListFiles files(state, TwoColumns);
  addStageAndAdultFiles(state, files);
  files.write(state);
}

void WriteStageConsumptionForTukeyKramer(AnalysisState& state, Platform& /*platform*/) {
  ListFiles files(state, OneColumn);
  ListFile lifelong{"Lifelong consumption rate", std::nullopt, {}};
  for (int i = 1; i <= individuals(state); ++i) {
    lifelong.listed.push_back({i, state.longevity.TotalConsumption(i)});
  }
  files.add("_Lifelong consumption_All sexes.txt", std::move(lifelong));
  addStageAndAdultFiles(state, files);
  files.write(state);
}

}  // namespace vorelan
