#pragma once
// The layout that the tables of each individual share: the project lines,
// the continuation title of a table printed in several pieces, the statistic
// rows under the individuals, and the chunks of stage columns of the stage
// duration and stage consumption tables.
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "model/cohort_data.h"
#include "model/open_files.h"
#include "report/individual_table_chunks.h"
#include "report/print_record.h"

namespace vorelan {

// At 5: "Project: ", "Name   : " and "Date   : " with the header items.
void printProjectLines(TextOutputFile& out, const CohortHeader& header);

// At 5: "Table 3. (Continued)", the number without its sign blank.
void printContinuedTitle(TextOutputFile& out, int tableNo);

enum class IndividualStatistic { N, Mean, Maximum, Minimum, SD, SE };

inline constexpr std::initializer_list<IndividualStatistic> SixStatistics = {
    IndividualStatistic::N,       IndividualStatistic::Mean, IndividualStatistic::Maximum,
    IndividualStatistic::Minimum, IndividualStatistic::SD,   IndividualStatistic::SE};

// "N", "Mean", "Maximum", "Minimum", "S.D.", "S.E.".
const char* statisticLabel(IndividualStatistic statistic);

// The statistics of one column: the count, which always prints, and each
// statistic that can be formed (an empty one prints a dash). The mean prints
// to 2 decimals, the extremes unrounded.
struct ColumnStatistics {
  double n = 0;
  std::optional<double> mean, maximum, minimum, sd, se;
  int sdDecimals = 3;
  int seDecimals = 2;
};

// A column over the whole cohort: the count is every individual, and the
// spread, to 3 decimals, needs two of them.
ColumnStatistics wholeCohortStatistics(int numIndividuals, double mean, double sd, double se);

// How a cell shows a statistic that cannot be formed: `text` at the cell's
// column plus `offset`.
struct DashForm {
  int offset;
  const char* text;
};
inline constexpr DashForm DashInCell{0, " -"};
inline constexpr DashForm DashAfterCell{1, "-"};
inline constexpr DashForm BareDash{0, "-"};

// The cell of one statistic of a column, at `column`.
void printStatisticCell(PrintRecord& line, int column, IndividualStatistic statistic,
                        const ColumnStatistics& values, DashForm dash);

// One line per statistic: its label at 5, the cells, a closing blank, and a
// single rule after it.
void printStatisticLines(TextOutputFile& out, std::initializer_list<IndividualStatistic> statistics,
                         const std::function<std::string(IndividualStatistic)>& label,
                         const std::function<void(PrintRecord&, IndividualStatistic)>& cells,
                         const std::function<void()>& singleRule);

// Where the heading line of a stage table puts its titles: each at
// step * k + at for the column in chunk position k.
struct StageHeadingLayout {
  const char* opening;                   // at 5, before the column titles
  const char* wholeLifeTitle;            // "Longevity" or "Total"
  int wholeLifeAt, preadultAt, adultAt;  // step 10
  int stageStep, stageAt;                // the names of the pre-adult stages
};

// The heading line: the opening, the column titles and a closing blank. The
// pre-adult stages are named as read from the data file.
void printStageHeading(TextOutputFile& out, const CohortHeader& header, const ColumnChunk& chunk,
                       const StageHeadingLayout& layout);

// A stage cell of an individual at `column`: its value when it completed the
// stage, " -" when it never entered it, and for the stage in which it died
// the value of `dead` followed by `deathMark`.
void printStageCell(PrintRecord& line, int column, double duration,
                    const std::function<void(PrintRecord&)>& value,
                    const std::function<void(PrintRecord&)>& dead, const char* deathMark);

// Where the cells of a stage table stand: step * k + at for the column in
// chunk position k.
struct StageCellLayout {
  int step;
  int stageAt, preadultAt, wholeLifeAt;
  int stage(int k) const { return step * k + stageAt; }
  int preadult(int k) const { return step * k + preadultAt; }
  int wholeLife(int k) const { return step * k + wholeLifeAt; }
};

// The pieces in which a stage table differs from the other.
struct StageColumnTable {
  StageHeadingLayout heading;
  StageCellLayout cells;
  std::function<int(const ColumnChunk&)> ruleWidth;
  std::function<void(const ColumnChunk&, int individual)> individual;
  // The statistics of each kind of column. The pre-adult ones are formed
  // once, when the first chunk that holds the pre-adult column reaches its
  // statistic lines.
  std::function<ColumnStatistics()> wholeLife, preadult;
  std::function<ColumnStatistics(int j)> stage;
};

// Every chunk of stage columns: its title (the table's own in the first
// chunk, the continuation title after three blank lines in the second), the
// double rule, the heading, the individuals, the six statistic lines and
// "d - dead.". The rules stand at 5. A statistic that cannot be formed is
// " -" in a stage or whole-life cell, "-" one column on in the pre-adult cell.
void printStageColumnChunks(TextOutputFile& out, const CohortHeader& header, int tableNo,
                            const std::string& title, const StageColumnTable& table);

}  // namespace vorelan
