#include "resampling/replicate_engine.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "lifetable/individual_walk.h"
#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "lifetable/stage_daily_mean_consumption.h"
#include "resampling/bootstrap_samples.h"
#include "resampling/calculate_sasd2.h"

namespace vorelan {

// Ages firstAge..lastAge at which the individual stays in `column`: counted
// in n(x, column), and recorded in g(x-1, column).
struct ReplicateEngine::StayRun {
  int column;
  int firstAge;
  int lastAge;
};

// The age at which it enters `column`, recorded in d(age-1, moveColumn).
struct ReplicateEngine::Move {
  int age;
  int column;
  int moveColumn;
};

// Its daily values of ages firstAge..lastAge in stage column `column`, from
// `offset` on in dailyValues.
struct ReplicateEngine::ValueRun {
  int column;
  int firstAge;
  int lastAge;
  std::size_t offset;
};

struct ReplicateEngine::SourceIndividual {
  IndividualView view;
  std::vector<StayRun> stays;  // by age
  std::vector<Move> moves;     // by age
  std::vector<ValueRun> values;
  std::vector<double> dailyValues;
};

class ReplicateEngine::Workspace {
 public:
  Workspace(int numSexes, int numStages, double timeUnit, int lastAge)
      : width(static_cast<std::size_t>(lastAge) + 2),
        stayDiff((static_cast<std::size_t>(numStages) + 2) * width),
        countDiff(stayDiff.size()),
        moveCount(stayDiff.size()),
        totals(stayDiff.size()) {
    cohort.numSexes = numSexes;
    cohort.numStages = numStages;
    cohort.timeUnit = timeUnit;
  }

  CohortView cohort;  // the positions of the replicate
  StageStatistics stats;
  AgeStageMatrices mx;
  Array2<double> txj{limits::MaxAgeIndex + 1, limits::StageColumns};
  Array2<double> sasdRaw{limits::MaxAgeIndex + 1, limits::StageColumns};
  Array2<double> sasdWork{limits::MaxAgeIndex + 1, limits::StageColumns};
  Array2<double> sasd{limits::MaxAgeIndex + 1, limits::StageColumns};
  double sasdTotal = 0;
  // By column and age (column * width + x): the change of n(x,j) at x, of
  // the number staying from x to x+1, and the number moving into the column's
  // d(x, j). Changes are summed over the ages into the counts.
  std::size_t width;
  std::vector<int> stayDiff, countDiff, moveCount;
  // T(x,j) by column and age, so that a run of an individual's daily values
  // is added to consecutive places.
  std::vector<double> totals;
};

namespace {

// The column whose n(x-1, ·) divides a move recorded in d(x-1, moveColumn): a
// male's maturation, recorded in the female adult column m, comes from stage m-1.
int moveDivisorColumn(int moveColumn, int numStages) {
  return moveColumn == numStages ? numStages - 1 : moveColumn;
}

// Adds each value to its own sum: sums[x] += values[x]. Four at a time, which
// the compiler turns into vector additions; each sum still receives the
// same additions in the same order.
void addValues(double* __restrict sums, const double* __restrict values, int count) {
  int x = 0;
  for (; x + 4 <= count; x += 4) {
    sums[x] += values[x];
    sums[x + 1] += values[x + 1];
    sums[x + 2] += values[x + 2];
    sums[x + 3] += values[x + 3];
  }
  for (; x < count; ++x) sums[x] += values[x];
}

}  // namespace

ReplicateEngine::ReplicateEngine(const AnalysisState& state)
    : bootstrap_(state.bootstrap),
      numSexes_(state.header.NumSexes),
      numStages_(state.header.NumStages),
      timeUnit_(state.run.TimeUnit),
      sampleSize_(state.bootstrap.BootSampleSize),
      lastAge_(-1),
      sameSamples_(state.bootstrap.SameBootSamples == "Yes") {
  const SourceCohort& source = state.source;
  sources_.resize(static_cast<std::size_t>(source.NumSourceIndividuals) + 1);
  for (int k = 1; k <= source.NumSourceIndividuals; ++k) {
    sources_[k].view = individualView(state.header, source.SourceSex, source.SourceStageDuration,
                                      source.SourceStageConsumption, k);
    const double life = std::nearbyint(lifeInTimeUnits(sources_[k].view.stageDuration, numStages_));
    lastAge_ = std::max(lastAge_, static_cast<int>(life) - 1);
  }
  for (int k = 1; k <= source.NumSourceIndividuals; ++k) prepareIndividual(state, k);

  const auto sizes = static_cast<std::size_t>(sampleSize_) + 1;
  repeatedSum_.assign(sizes * sizes, 0);
  for (std::size_t n = 1; n < sizes; ++n) {
    const double share = 1 / static_cast<double>(n);
    for (std::size_t k = 1; k < sizes; ++k) repeatedSum_[n * sizes + k] = repeatedSum_[n * sizes + k - 1] + share;
  }
}

ReplicateEngine::~ReplicateEngine() = default;

void ReplicateEngine::prepareIndividual(const AnalysisState& state, int k) {
  SourceIndividual& ind = sources_[k];
  IndividualWalk walk(ind.view.stageDuration, ind.view.female, numStages_);
  for (int x = 1; x <= lastAge_ && walk.alive(); ++x) {
    const WalkDay day = walk.nextDay();
    if (day.column == 0) continue;
    if (day.moved) {
      if (day.fromColumn != moveDivisorColumn(day.transitionColumn, numStages_))
        throw std::logic_error("a move recorded in d(x,j) from an unexpected stage");
      ind.moves.push_back({x, day.column, day.transitionColumn});
    } else if (!ind.stays.empty() && ind.stays.back().column == day.column && ind.stays.back().lastAge == x - 1) {
      ind.stays.back().lastAge = x;
    } else {
      ind.stays.push_back({day.column, x, x});
    }
  }
  const SourceCohort& source = state.source;
  const int lastAge = sourceLastAge(source);
  // One run per column, from the first value other than 0 to the last: the
  // zeros between them add nothing to a sum that starts at +0.
  for (int j = 1; j <= numStages_ + 1; ++j) {
    int first = -1;
    int last = -1;
    for (int x = 0; x <= lastAge; ++x) {
      if (source.SourceStageDailyConsumption(k, x, j) == 0) continue;
      if (first < 0) first = x;
      last = x;
    }
    if (first < 0) continue;
    ind.values.push_back({j, first, last, ind.dailyValues.size()});
    for (int x = first; x <= last; ++x) ind.dailyValues.push_back(source.SourceStageDailyConsumption(k, x, j));
  }
}

std::unique_ptr<ReplicateEngine::Workspace, ReplicateEngine::WorkspaceDeleter> ReplicateEngine::workspace() const {
  std::unique_ptr<Workspace, WorkspaceDeleter> work(new Workspace(numSexes_, numStages_, timeUnit_, lastAge_));
  work->cohort.positions.resize(static_cast<std::size_t>(sampleSize_));
  return work;
}

void ReplicateEngine::WorkspaceDeleter::operator()(Workspace* work) const { delete work; }

const AgeStageMatrices& ReplicateEngine::matricesOf(const Workspace& work) { return work.mx; }

int ReplicateEngine::maxAgeOf(const Workspace& work) { return work.stats.MaxAge; }

// T(x,j) of ages 0..maxAge, position by position, and the changes of the
// counts of n(x,j), of the stays and of the moves.
void ReplicateEngine::countMatrices(std::int32_t b, int maxAge, Workspace& work) const {
  const int columns = numStages_ + 1;
  const std::size_t w = work.width;
  const std::size_t used = (static_cast<std::size_t>(columns) + 1) * w;
  std::fill_n(work.countDiff.begin(), used, 0);
  std::fill_n(work.stayDiff.begin(), used, 0);
  std::fill_n(work.moveCount.begin(), used, 0);
  std::fill_n(work.totals.begin(), used, 0.0);
  const Array2<std::int16_t>& samples = replicateSamples(bootstrap_);
  for (int i = 1; i <= sampleSize_; ++i) {
    const SourceIndividual& ind = sources_[static_cast<std::size_t>(samples(b, i))];
    for (const ValueRun& run : ind.values) {
      if (run.firstAge > maxAge) continue;
      const int last = std::min(run.lastAge, maxAge);
      addValues(&work.totals[static_cast<std::size_t>(run.column) * w + static_cast<std::size_t>(run.firstAge)],
                &ind.dailyValues[run.offset], last - run.firstAge + 1);
    }
    for (const StayRun& stay : ind.stays) {
      if (stay.firstAge > maxAge) break;
      const std::size_t at = static_cast<std::size_t>(stay.column) * w;
      const auto first = static_cast<std::size_t>(stay.firstAge);
      const auto last = static_cast<std::size_t>(std::min(stay.lastAge, maxAge));
      work.countDiff[at + first] += 1;
      work.countDiff[at + last + 1] -= 1;
      work.stayDiff[at + first - 1] += 1;
      work.stayDiff[at + last] -= 1;
    }
    for (const Move& move : ind.moves) {
      if (move.age > maxAge) break;
      const auto age = static_cast<std::size_t>(move.age);
      work.countDiff[static_cast<std::size_t>(move.column) * w + age] += 1;
      work.countDiff[static_cast<std::size_t>(move.column) * w + age + 1] -= 1;
      work.moveCount[static_cast<std::size_t>(move.moveColumn) * w + age - 1] += 1;
    }
  }
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= columns; ++j)
      work.txj(x, j) = work.totals[static_cast<std::size_t>(j) * w + static_cast<std::size_t>(x)];
  }
}

// n(x,j), g(x,j) and d(x,j) of ages 0..maxAge from the counts, then c(x,j)
// and s(x,j) by the steps of life03.
void ReplicateEngine::storeMatrices(int maxAge, Workspace& work) const {
  AgeStageMatrices& mx = work.mx;
  const int columns = numStages_ + 1;
  const std::size_t w = work.width;
  const auto sizes = static_cast<std::size_t>(sampleSize_) + 1;
  clearAgeStageMatrices(mx, maxAge, numStages_);
  mx.Nxj(0, 1) = static_cast<std::int16_t>(sampleSize_);
  for (int j = 1; j <= columns; ++j) {
    const std::size_t at = static_cast<std::size_t>(j) * w;
    int count = 0;
    for (int x = 0; x <= maxAge; ++x) {
      count += work.countDiff[at + static_cast<std::size_t>(x)];
      if (x > 0 || j > 1) mx.Nxj(x, j) = static_cast<std::int16_t>(count);
    }
  }
  for (int j = 1; j <= columns; ++j) {
    const std::size_t at = static_cast<std::size_t>(j) * w;
    const int from = moveDivisorColumn(j, numStages_);
    int staying = 0;
    for (int x = 0; x <= maxAge; ++x) {
      staying += work.stayDiff[at + static_cast<std::size_t>(x)];
      if (staying != 0) mx.Gxj(x, j) = repeatedSum_[static_cast<std::size_t>(mx.Nxj(x, j)) * sizes + staying];
      const int moving = work.moveCount[at + static_cast<std::size_t>(x)];
      if (moving != 0) mx.Dxj(x, j) = repeatedSum_[static_cast<std::size_t>(mx.Nxj(x, from)) * sizes + moving];
    }
  }
  consumptionRates(mx, work.txj, maxAge, numStages_);
  survivalAndAgeRanges(mx, sampleSize_, maxAge, numStages_);
}

void ReplicateEngine::computeReplicate(std::int32_t b, Workspace& work, BootstrapState& results) const {
  const Array2<std::int16_t>& samples = replicateSamples(bootstrap_);
  for (int i = 1; i <= sampleSize_; ++i) work.cohort.positions[i - 1] = sources_[samples(b, i)].view;
  life01(work.cohort, work.stats, StageMeanTarget::replicate(results, b));
  const int maxAge = work.stats.MaxAge;
  countMatrices(b, maxAge, work);
  storeMatrices(maxAge, work);
  for (int j = 1; j <= numStages_ + 1; ++j) {
    const StageDays days = stageDays(work.mx, work.txj, j, maxAge);
    if (days.occupied()) results.BootStageDailyMeanConsumption(j, b) = days.dailyMean();
  }
  results.BootC0(b) = netConsumptionRate(work.mx, numStages_, maxAge, nullptr);
  if (sameSamples_) {
    const double lambda = bootstrap_.BootLambda(b);
    const double psi = stableDistributionOfReplicate(work.mx, maxAge, numStages_, timeUnit_, lambda,
                                                     {work.sasdRaw, work.sasdWork, work.sasd, work.sasdTotal});
    results.BootPsi(b) = psi;
    results.BootOmega(b) = psi * lambda;
  }
}

}  // namespace vorelan
