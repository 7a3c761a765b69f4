#include "results/result_tables.h"

#include <cstdint>
#include <iterator>

#include "model/statistics.h"
#include "results/cell_text.h"

namespace vorelan {
namespace {

// In this window c(x) is the age-specific consumption rate (the report's
// k(x)) and k(x) = l(x) c(x) the age-specific net consumption (its q(x)).
constexpr const char* TabCaptions[] = {
    "Matrix S",   "Matrix G",   "Matrix D",
    "Matrix C",   "Consumption", "Stage mean",
    "&l(x): survival rate", "&c(x): age-specific ", "k(x)=c(x)*l(x)",
    " Mean consumption",
};

constexpr int MatrixDecimals = 4;
constexpr int ConsumptionRateDecimals = 2;
constexpr int StatisticsDecimals = 2;

int stageCount(const BasicRunResults& r) { return r.NumStages; }
int ageRows(const BasicRunResults& r) { return r.MaxAge + 2; }
std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Rows of ages 0..MaxAge under a heading row; column 0 holds the age index
// (not multiplied by the time unit).
void writeAges(TextGrid& grid, const BasicRunResults& r) {
  grid.set(0, 0, "Age", true);
  for (int x = 0; x <= r.MaxAge; ++x) grid.set(x + 1, 0, std::to_string(x), true);
}

// The heading row of the age-stage tables: stage columns 1..K+1.
void writeStageHeadings(TextGrid& grid, const BasicRunResults& r) {
  for (int j = 1; j <= stageCount(r) + 1; ++j) grid.set(0, j, r.StageName(at(j)), true);
}

struct AgeRange {
  int first, last;
  bool holds(int x) const { return first <= x && x <= last; }
};

AgeRange rangeOf(const BasicRunResults& r, int column) {
  return {static_cast<int>(r.StageAgeRange(at(column), 1)), static_cast<int>(r.StageAgeRange(at(column), 2))};
}

// Each stage column shows its values over the ages at which the stage is
// occupied and "-" elsewhere. `maskOf` names the column whose age range
// masks a column.
template <class MaskOf>
TextGrid matrixGrid(const BasicRunResults& r, const Array2<double>& matrix, int decimals, MaskOf maskOf) {
  TextGrid grid(ageRows(r), stageCount(r) + 2);
  writeAges(grid, r);
  writeStageHeadings(grid, r);
  for (int j = 1; j <= stageCount(r) + 1; ++j) {
    const AgeRange range = rangeOf(r, maskOf(j));
    for (int x = 0; x <= r.MaxAge; ++x) {
      grid.set(x + 1, j, range.holds(x) ? roundedText(matrix(at(x), at(j)), decimals) : NoValue, true);
    }
  }
  return grid;
}

TextGrid matrixGrid(const BasicRunResults& r, const Array2<double>& matrix, int decimals) {
  return matrixGrid(r, matrix, decimals, [](int j) { return j; });
}

// Column K of d(x,j) holds the males' move from the last pre-adult stage
// into the male adult column, at ages of that stage; column K-1 the
// females' move into the female adult column.
TextGrid developmentGrid(const BasicRunResults& r) {
  const int m = stageCount(r);
  TextGrid grid = matrixGrid(r, r.Dxj, MatrixDecimals, [m](int j) { return j == m ? m - 1 : j; });
  grid.set(0, m - 1, "P->F", true);
  grid.set(0, m, "P->M", true);
  return grid;
}

struct StageStatisticsColumns {
  const Array1<std::int32_t>& n;
  const Array1<double>& mean;
  const Array1<double>& sd;
};

// N, mean, S.D. and S.E. of each stage; column K is the adult stage of both
// sexes.
TextGrid stageStatisticsGrid(const BasicRunResults& r, const StageStatisticsColumns& stats) {
  const int m = stageCount(r);
  TextGrid grid(5, m + 1);
  grid.set(0, 0, "Age", true);
  for (int j = 1; j < m; ++j) grid.set(0, j, r.StageName(at(j)), true);
  grid.set(0, m, "Adult", false);
  const char* labels[] = {"N", "Mean", "SD", "SE"};
  for (int row = 1; row <= 4; ++row) grid.set(row, 0, labels[row - 1], false);
  for (int j = 1; j <= m; ++j) {
    const std::int32_t n = stats.n(at(j));
    const double sd = stats.sd(at(j));
    grid.set(1, j, std::to_string(n), true);
    grid.set(2, j, meanText(stats.mean(at(j)), n, StatisticsDecimals), true);
    grid.set(3, j, spreadText(sd, n, StatisticsDecimals), true);
    grid.set(4, j, standardErrorText(sd, n, StatisticsDecimals), true);
  }
  return grid;
}

// One value per age beside the age column.
template <class ValueAt>
TextGrid ageVectorGrid(const BasicRunResults& r, const char* heading, ValueAt valueAt) {
  TextGrid grid(ageRows(r), 2);
  writeAges(grid, r);
  grid.set(0, 1, heading, false);
  for (int x = 0; x <= r.MaxAge; ++x) grid.set(x + 1, 1, roundedText(valueAt(at(x)), MatrixDecimals), false);
  return grid;
}

// The lifetime consumption of the whole cohort, as computed.
TextGrid meanConsumptionGrid(const BasicRunResults& r) {
  TextGrid grid(4, 2);
  grid.set(0, 0, "", false);
  grid.set(0, 1, "Total consumption", false);
  const std::int64_t n = r.NumIndividuals;
  const struct {
    const char* label;
    double value;
    bool formed;
  } rows[] = {
      {"Mean", r.LifetimeConsMean, statistics::hasMean(n)},
      {"SD", r.LifetimeConsSD, statistics::hasSpread(n)},
      {"SE", r.LifetimeConsSE, statistics::hasSpread(n)},
  };
  for (int row = 1; row <= 3; ++row) {
    grid.set(row, 0, rows[row - 1].label, false);
    grid.set(row, 1, rows[row - 1].formed ? plainText(rows[row - 1].value) : NoValue, true);
  }
  return grid;
}

}  // namespace

std::vector<ResultTab> ResultTables(const BasicRunResults& r) {
  std::vector<ResultTab> tabs;
  if (!r.kept) {
    // Before a Basic Run the tabs are there and hold nothing.
    for (const char* caption : TabCaptions) tabs.push_back({caption, TextGrid(0, 0)});
    return tabs;
  }
  TextGrid grids[] = {
      matrixGrid(r, r.Sxj, MatrixDecimals),
      matrixGrid(r, r.Gxj, MatrixDecimals),
      developmentGrid(r),
      matrixGrid(r, r.Cxj, ConsumptionRateDecimals),
      stageStatisticsGrid(r, {r.StageConsN, r.StageConsMean, r.StageConsSD}),
      stageStatisticsGrid(r, {r.StageDurN, r.StageDurMean, r.StageDurSD}),
      ageVectorGrid(r, "l(x)", [&r](std::size_t x) { return r.Lx(x); }),
      ageVectorGrid(r, "c(x)", [&r](std::size_t x) { return r.Kx(x); }),
      ageVectorGrid(r, "k(x)", [&r](std::size_t x) { return r.Kx(x) * r.Lx(x); }),
      meanConsumptionGrid(r),
  };
  for (std::size_t k = 0; k < std::size(TabCaptions); ++k) tabs.push_back({TabCaptions[k], std::move(grids[k])});
  return tabs;
}

}  // namespace vorelan
