// Identities that hold for every valid cohort, checked on generated cohorts
// against expectations worked out from the records themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "datafile/data_file_checks.h"
#include "support/life_table_run.h"
#include "support/cohort_generator.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::generateCohort;
using testing::GeneratedCohort;
using testing::ScriptedPlatform;

constexpr std::uint32_t Seeds = 150;

void expectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected))) << what;
}

// n(x,j) worked out from the records: every individual occupies each stage
// it entered on |d| consecutive ages, adults in the column of their sex.
Array2<int> occupancyOf(const GeneratedCohort& cohort) {
  Array2<int> n(limits::MaxAgeIndex + 1, limits::StageColumns);
  for (const auto& ind : cohort.individuals) {
    int age = 0;
    for (std::size_t s = 0; s < ind.durations.size(); ++s) {
      const int j = static_cast<int>(s) + 1;
      const int column = j == cohort.numStages && ind.sex == "M" ? j + 1 : j;
      for (int k = 0; k < std::abs(ind.durations[s]); ++k) n(age++, column) += 1;
    }
  }
  return n;
}

struct Computed {
  ScriptedPlatform script;
  AnalysisState state;
  explicit Computed(const GeneratedCohort& cohort) {
    Platform platform = script.platform();
    cohort.loadInto(state, platform);
    testing::runLifeTableSteps(state, script);
  }
};

void checkIdentities(const GeneratedCohort& cohort) {
  Computed run(cohort);
  const AnalysisState& st = run.state;
  const int n = static_cast<int>(cohort.individuals.size());
  const int columns = cohort.numStages + 1;
  const int maxAge = st.stageStats.MaxAge;

  int longest = 0;
  double lifeSum = 0;
  double consumptionSum = 0;
  int consumers = 0;
  for (const auto& ind : cohort.individuals) {
    longest = std::max(longest, ind.life());
    lifeSum += ind.life();
    consumptionSum += ind.totalConsumption();
    if (ind.totalConsumption() > 0) ++consumers;
  }
  ASSERT_EQ(maxAge, longest - 1);

  // n(x,j), and the days spent in every stage.
  const Array2<int> expected = occupancyOf(cohort);
  for (int j = 1; j <= columns; ++j) {
    int days = 0;
    for (int x = 0; x <= maxAge; ++x) {
      ASSERT_EQ(st.matrices.Nxj(x, j), expected(x, j)) << "n(" << x << "," << j << ")";
      days += expected(x, j);
    }
    EXPECT_EQ(st.ageVectors.StageDaySum(j), days) << "stage " << j;
  }

  // n(x+1, j) follows from g, d and n at x; a male's maturation stands in column K of d.
  const auto& mx = st.matrices;
  const int k = cohort.numStages;
  for (int x = 0; x < maxAge; ++x) {
    for (int j = 1; j <= columns; ++j) {
      double next = mx.Nxj(x, j) * mx.Gxj(x, j);
      if (j >= 2 && j <= k) next += mx.Nxj(x, j - 1) * mx.Dxj(x, j - 1);
      if (j == k + 1) next += mx.Nxj(x, k - 1) * mx.Dxj(x, k);
      ASSERT_NEAR(next, mx.Nxj(x + 1, j), 1e-9) << "n(" << x + 1 << "," << j << ")";
    }
  }

  // l(x): starts at 1, never increases, sums to the mean life in time units;
  // the individuals alive at x are N l(x).
  const auto& av = st.ageVectors;
  EXPECT_DOUBLE_EQ(av.Lx(0), 1);
  double lSum = 0;
  for (int x = 0; x <= maxAge; ++x) {
    if (x > 0) {
      ASSERT_LE(av.Lx(x), av.Lx(x - 1) + 1e-12) << "age " << x;
    }
    lSum += av.Lx(x);
    int alive = 0;
    for (int j = 1; j <= columns; ++j) alive += expected(x, j);
    ASSERT_EQ(st.longevity.AgeN(x), alive) << "age " << x;
  }
  expectClose(lSum, lifeSum / n, "sum of l(x)");
  expectClose(st.longevity.MeanLongevity, cohort.timeUnit * lifeSum / n, "mean longevity");

  // C0: the sum of q(x), the sum of z(j), total consumption over N.
  double qSum = 0;
  for (int x = 0; x <= maxAge; ++x) qSum += av.Qx(x);
  double zSum = 0;
  for (int j = 1; j <= columns; ++j) {
    for (int x = 0; x <= maxAge; ++x) zSum += mx.Sxj(x, j) * mx.Cxj(x, j);
  }
  const double c0 = av.NetConsumptionRate;
  expectClose(c0, qSum, "C0 and the sum of q(x)");
  expectClose(c0, zSum, "C0 and the sum of z(j)");
  expectClose(c0, consumptionSum / n, "C0 and the total consumption over N");
  expectClose(c0, st.span.LifetimeConsMean, "C0 and the mean lifetime consumption");
  expectClose(av.CumQx(maxAge), c0, "the cumulative q(x)");
  EXPECT_EQ(st.longevity.Nc, consumers);
  expectClose(n * c0, st.longevity.Nc * st.longevity.Cbar, "N C0 and Nc Cbar");
  EXPECT_FALSE(std::isnan(st.longevity.Cbar));

  // Stage counts of the statistics.
  for (int j = 1; j <= k; ++j) {
    int completed = 0;
    for (const auto& ind : cohort.individuals) {
      if (static_cast<int>(ind.durations.size()) >= j && ind.durations[j - 1] > 0) ++completed;
    }
    EXPECT_EQ(st.stageStats.StageDurN(j), completed) << "stage " << j;
    EXPECT_FALSE(std::isnan(st.stageStats.StageConsSD(j))) << "stage " << j;
    EXPECT_FALSE(std::isnan(st.stageStats.StageDurSD(j))) << "stage " << j;
  }

  // Each sex line's stage durations and consumption, up to the first stage
  // that no member of the line completed.
  const std::string lines[] = {"", "F", "M", "N"};
  for (int s = 1; s <= 3; ++s) {
    for (int j = 1; j <= k; ++j) {
      int completed = 0;
      double days = 0;
      double eaten = 0;
      for (const auto& ind : cohort.individuals) {
        if (ind.sex != lines[s] || static_cast<int>(ind.durations.size()) < j || ind.durations[j - 1] <= 0)
          continue;
        ++completed;
        days += cohort.timeUnit * ind.durations[j - 1];
        for (double v : ind.stageValues[j - 1]) eaten += v;
      }
      ASSERT_EQ(st.stageStats.SexStageDurN(s, j), completed) << "sex line " << s << ", stage " << j;
      ASSERT_EQ(st.stageStats.SexStageConsN(s, j), completed) << "sex line " << s << ", stage " << j;
      if (completed == 0) break;
      expectClose(st.stageStats.SexStageDurMean(s, j), days / completed, "mean stage duration of a sex line");
      expectClose(st.stageStats.SexStageConsMean(s, j), eaten / completed,
                  "mean stage consumption of a sex line");
    }
  }
}

TEST(LifeTableProperties, HoldForGeneratedCohorts) {
  for (std::uint32_t seed = 1; seed <= Seeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    checkIdentities(generateCohort(seed));
    if (HasFailure()) break;
  }
}

TEST(LifeTableProperties, HoldForLargeCohortsOfLongLives) {
  testing::CohortGeneratorOptions options;
  options.minIndividuals = 300;
  options.minStages = 9;
  options.minStageDuration = 20;
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    checkIdentities(generateCohort(seed, options));
    if (HasFailure()) break;
  }
}

TEST(CohortGenerator, CoversTheRangeOfValidCohorts) {
  std::set<int> stageCounts;
  std::set<double> timeUnits;
  std::set<std::string> sexes;
  std::set<int> deathStages;
  int minN = 1000, maxN = 0, longest = 0;
  int preadultLivesLongest = 0;
  for (std::uint32_t seed = 1; seed <= Seeds; ++seed) {
    const GeneratedCohort cohort = generateCohort(seed);
    int longestAdult = 0, longestPreadult = 0;
    for (const auto& ind : cohort.individuals) {
      int& longestOfKind = ind.sex == "N" ? longestPreadult : longestAdult;
      longestOfKind = std::max(longestOfKind, ind.life());
    }
    if (longestPreadult > longestAdult) ++preadultLivesLongest;
    stageCounts.insert(cohort.numStages);
    timeUnits.insert(cohort.timeUnit);
    const int n = static_cast<int>(cohort.individuals.size());
    minN = std::min(minN, n);
    maxN = std::max(maxN, n);
    for (const auto& ind : cohort.individuals) {
      sexes.insert(ind.sex);
      longest = std::max(longest, ind.life());
      if (ind.sex == "N") {
        deathStages.insert(static_cast<int>(ind.durations.size()));
        ASSERT_LT(ind.durations.back(), 0);
        ASSERT_LT(static_cast<int>(ind.durations.size()), cohort.numStages);
      } else {
        ASSERT_TRUE(ind.reachedAdult(cohort.numStages));
      }
      ASSERT_LE(ind.life(), limits::MaxLifeTimeUnits);
      for (std::size_t j = 0; j + 1 < ind.durations.size(); ++j) ASSERT_GT(ind.durations[j], 0);
      ASSERT_NE(ind.durations.back(), 0);
      ASSERT_EQ(ind.stageValues.size(), ind.durations.size());
    }
  }
  EXPECT_TRUE(stageCounts.count(2) && stageCounts.count(11));
  EXPECT_EQ(timeUnits, (std::set<double>{0.5, 1}));
  EXPECT_EQ(sexes, (std::set<std::string>{"F", "M", "N"}));
  for (int j = 1; j <= 10; ++j) EXPECT_TRUE(deathStages.count(j)) << "death in stage " << j;
  EXPECT_LT(minN, 20);
  EXPECT_GT(maxN, 380);
  EXPECT_GT(longest, 200);
  EXPECT_GT(preadultLivesLongest, 10);
}

TEST(CohortGenerator, ItsFilesPassTheDataFileCheck) {
  testing::TempDir dir;
  for (std::uint32_t seed = 1; seed <= Seeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const GeneratedCohort cohort = generateCohort(seed);
    ScriptedPlatform script;
    Platform platform = script.platform();
    AnalysisState state;
    state.run.TimeUnit = cohort.timeUnit;
    state.report.DataFileName = dir.write("cohort" + std::to_string(seed) + ".txt", cohort.fileText());
    EXPECT_NO_THROW(CheckData2005(state, platform));
    EXPECT_TRUE(script.messages().empty());
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace vorelan
