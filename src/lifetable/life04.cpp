#include "lifetable/life04.h"

#include "lifetable/life05.h"
#include "model/characters.h"

namespace vorelan {
namespace {

void survivalByAge(AnalysisState& state) {
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    double l = 0;
    for (int j = 1; j <= state.header.NumStages + 1; ++j) l += state.matrices.Sxj(x, j);
    state.ageVectors.Lx(x) = l;
  }
}

void consumptionByAge(AnalysisState& state) {
  AgeVectors& av = state.ageVectors;
  double c0 = 0;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    av.AgeValue(x) = x;
    const double q = netConsumptionAtAge(state, x);
    av.Qx(x) = q;
    av.CumQx(x) = x == 0 ? q : av.CumQx(x - 1) + q;
    c0 += q;
    av.Kx(x) = consumptionRateAtAge(q, av.Lx(x));
  }
  av.NetConsumptionRate = c0;
}

// The adult columns of the tables read "Female" and "Male"; every name of
// the first sex line is cut to 4 characters to fit the table columns.
void nameAdultColumns(AnalysisState& state) {
  const int m = state.header.NumStages;
  state.header.StageName(1, m) = "Female";
  state.header.StageName(1, m + 1) = "Male";
  for (int j = 1; j <= m + 1; ++j)
    state.header.StageName(1, j) = std::string(firstCharacters(state.header.StageName(1, j), 4));
}

}  // namespace

void life04(AnalysisState& state, Platform& /*platform*/) {
  survivalByAge(state);
  consumptionByAge(state);
  nameAdultColumns(state);
}

}  // namespace vorelan
