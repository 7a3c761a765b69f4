#pragma once
// The cohort as read from the raw data file: its header, the working cohort
// that every computation reads, and the source cohort of the bootstrap.
#include <cstdint>
#include <string>

#include "arrays.h"
#include "limits.h"

namespace vorelan {

// Header items and counts of the data file.
struct CohortHeader {
  std::string ProjectName;
  std::string ResearcherName;
  std::string ExperimentDate;
  std::int32_t NumIndividuals = 0;        // N of the working cohort
  std::int16_t NumIndividualsInFile = 0;  // N as read, before any jackknife change
  std::int16_t NumSexes = 0;              // sex lines S
  std::int16_t NumStages = 0;             // stages K; stage K is the adult stage
  Array1<std::string> SexName{limits::MaxSexLines + 1};
  // Stage names by sex line as read (rows 1..S, stages 1..K).
  Array2<std::string> StageName{limits::MaxSexLines + 1, limits::StageNameSlots};
  // The names exactly as read; StageName row 1 is renamed and cut to four
  // characters once the matrices are printed, the per-individual tables keep these.
  Array2<std::string> StageNameAsRead{limits::MaxSexLines + 1, limits::StageNameSlots};
  Array1<std::string> SpanStageName{3};
  double MaxAgeRead = 0;  // largest age index reached at a closing -1
};

// The per-individual arrays of one cohort, the working or the source one.
struct IndividualRows {
  Array1<std::int16_t>& serialNo;
  Array1<std::string>& sex;
  Array2<double>& stageDuration;
  Array2<double>& dailyConsumption;
  Array2<double>& stageConsumption;

  // Sizes the rows for individuals 0..numIndividuals, all cleared.
  void resetFor(int numIndividuals) {
    const auto rows = static_cast<std::size_t>(numIndividuals) + 1;
    serialNo.reset(rows);
    sex.reset(rows);
    stageDuration.reset(rows, limits::StageColumns);
    dailyConsumption.reset(rows, limits::MaxAgeIndex + 1);
    stageConsumption.reset(rows, limits::StageColumns);
  }
};

// The working cohort (individuals 1..N, stage columns 0..12, ages 0..405).
struct CohortRecords {
  Array1<std::int16_t> SerialNo;
  Array1<std::string> Sex;
  Array2<double> StageDuration;     // time units; negative in the death stage
  Array2<double> DailyConsumption;  // -1 as end mark after the last age + 1
  Array2<double> StageConsumption;
  Array2<double> Txj{limits::MaxAgeIndex + 1, limits::StageColumns};
  std::int16_t AgeCounter = 0;
  double InputValue = 0;

  IndividualRows rows() { return {SerialNo, Sex, StageDuration, DailyConsumption, StageConsumption}; }

  // Sizes the per-individual arrays for individuals 0..numIndividuals, all
  // cleared. T(x,j) keeps its size and is cleared too.
  void resizeFor(int numIndividuals) {
    rows().resetFor(numIndividuals);
    Txj.clear();
  }
};

// The source cohort from which every bootstrap sample is drawn.
struct SourceCohort {
  std::int16_t NumSourceIndividuals = 0;
  Array1<std::int16_t> SourceSerialNo;
  Array1<std::string> SourceSex;
  Array2<double> SourceStageDuration;
  Array2<double> SourceDailyConsumption;
  Array3<double> SourceStageDailyConsumption;  // (individual, age, stage column)
  Array2<double> SourceStageConsumption;
  double SourceMaxAge = 0;

  IndividualRows rows() {
    return {SourceSerialNo, SourceSex, SourceStageDuration, SourceDailyConsumption, SourceStageConsumption};
  }

  void resizeFor(int numIndividuals) {
    rows().resetFor(numIndividuals);
    SourceStageDailyConsumption.reset(static_cast<std::size_t>(numIndividuals) + 1,
                                      limits::MaxAgeIndex + 1, limits::StageColumns);
  }
};

}  // namespace vorelan
