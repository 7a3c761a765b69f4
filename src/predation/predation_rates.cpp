#include "predation/predation_rates.h"

#include <cmath>
#include <limits>
#include <utility>

#include "model/statistics.h"
#include "predation/stable_predation_rate.h"

namespace vorelan {
namespace {

int wholeAge(double age) { return static_cast<int>(std::nearbyint(age)); }

double formedFromDistribution(const AnalysisState& state, double rate) {
  return state.run.SASDRead == "Yes" ? rate : std::numeric_limits<double>::quiet_NaN();
}

int stageColumns(const AnalysisState& state) { return state.header.NumStages + 1; }

bool reproductive(const PredationState& p, int k) { return isReproductiveFemale(p.SASDSex(k), p.Fecundity(k)); }

void sizeRecordArrays(PredationState& p, int numIndividuals) {
  const auto rows = static_cast<std::size_t>(numIndividuals) + 1;
  p.SASDSex.reset(rows);
  for (Array1<double>* a : {&p.SASDLongevity, &p.Fecundity, &p.TPOP, &p.LastOviAge, &p.PostP, &p.OviP,
                            &p.TPOPCon, &p.OviCon, &p.PostCon}) {
    a->reset(rows);
  }
}

// The quantity of female k in the column order of the result file.
double periodValue(const PredationState& p, FemalePeriod q, int k) {
  switch (q) {
    case FemalePeriod::TPOP: return p.TPOP(k);
    case FemalePeriod::TPOPCon: return p.TPOPCon(k);
    case FemalePeriod::OviP: return p.OviP(k);
    case FemalePeriod::OviCon: return p.OviCon(k);
    case FemalePeriod::PostP: return p.PostP(k);
    case FemalePeriod::PostCon: return p.PostCon(k);
  }
  return 0;
}

}  // namespace

void commitSasdFile(AnalysisState& state, const std::string& path, SasdFileContents file) {
  PredationState& p = state.predation;
  p.SASDFileName = path;
  p.Lambda = file.lambda;
  p.SASDLayout = std::move(file.layout);
  p.SASD = std::move(file.distribution);
  p.SASDSampleSize = file.sampleSize;
  p.SASDRecordCount = file.recordCount;
  sizeRecordArrays(p, state.header.NumIndividuals);
  for (const OvipositionRecord& r : file.records) {
    const int k = r.individual;
    p.SASDSex(k) = r.sex;
    p.SASDLongevity(k) = r.longevity;
    p.Fecundity(k) = r.fecundity;
    p.TPOP(k) = r.firstOviAge;
    p.LastOviAge(k) = r.lastOviAge;
    p.PostP(k) = r.postP;
  }
}

void CalculateStablePredationRate(AnalysisState& state) {
  PredationState& p = state.predation;
  const Array2<double>& c = state.matrices.Cxj;
  p.SASDxCxj.clear();
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= stageColumns(state); ++j) p.SASDxCxj(x, j) = predationAt(p.SASD, c, x, j);
  }
  p.Psi = StablePredationRate(p.SASD, c, state.stageStats.MaxAge, stageColumns(state));
}

double consumptionOverAges(const CohortRecords& cohort, int k, int first, int last) {
  const Array2<double>& daily = cohort.DailyConsumption;
  const int lastIndex = static_cast<int>(daily.cols()) - 1;
  double sum = 0;
  for (int x = first < 0 ? 0 : first; x <= last && x <= lastIndex; ++x) {
    if (daily(k, x) == -1) break;  // the end mark; no day's value is exactly -1
    sum += daily(k, x);
  }
  return sum;
}

void CalculateFemalePeriods(AnalysisState& state) {
  PredationState& p = state.predation;
  int n = 0;
  for (int k = 1; k <= state.header.NumIndividuals; ++k) {
    if (!reproductive(p, k)) continue;
    p.PostP(k) = p.SASDLongevity(k) - p.LastOviAge(k) - 1;
    p.OviP(k) = p.LastOviAge(k) - p.TPOP(k) + 1;
    ++n;
    p.TPOPCon(k) = consumptionOverAges(state.cohort, k, 1, wholeAge(p.TPOP(k) - 1));
    p.OviCon(k) = consumptionOverAges(state.cohort, k, wholeAge(p.TPOP(k)), wholeAge(p.LastOviAge(k)));
    p.PostCon(k) =
        consumptionOverAges(state.cohort, k, wholeAge(p.LastOviAge(k) + 1), wholeAge(p.SASDLongevity(k)));
  }
  p.ReproFemaleCount = n;
}

void CalculateMeanSEofAPOPandTPOPConsume(AnalysisState& state) {
  PredationState& p = state.predation;
  for (int q = 0; q < FemalePeriodCount; ++q) {
    statistics::Accumulator acc;
    for (int k = 1; k <= state.header.NumIndividuals; ++k) {
      if (reproductive(p, k)) acc.add(periodValue(p, static_cast<FemalePeriod>(q), k));
    }
    FemalePeriodStatistics& s = p.PeriodStatistics[static_cast<std::size_t>(q)];
    s = FemalePeriodStatistics{.Sum = acc.sum, .SumSq = acc.sumSq};
    if (acc.hasMean()) s.Mean = acc.mean();
    if (acc.hasSpread()) {
      s.Variance = acc.variance();
      s.SD = acc.sd();
      s.SE = acc.se();
    }
  }
}

void CalculateFinitePredationRate(AnalysisState& state) {
  PredationState& p = state.predation;
  p.Omega = p.Lambda * p.Psi;
  p.HasIntrinsicPredationRate = p.Omega > 0;
  p.IntrinsicPredationRate = p.HasIntrinsicPredationRate ? std::log(p.Omega) : 0;
}

double wholeCohortPsi(const AnalysisState& state) { return formedFromDistribution(state, state.predation.Psi); }
double wholeCohortOmega(const AnalysisState& state) { return formedFromDistribution(state, state.predation.Omega); }

void CalculatePredationRates(AnalysisState& state) {
  CalculateStablePredationRate(state);
  CalculateFemalePeriods(state);
  CalculateMeanSEofAPOPandTPOPConsume(state);
  CalculateFinitePredationRate(state);
}

}  // namespace vorelan
