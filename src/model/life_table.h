#pragma once
// The age-stage matrices and the age vectors of the life table.
#include <cstdint>
#include <string>

#include "arrays.h"
#include "limits.h"

namespace vorelan {

struct AgeStageMatrices {
  static constexpr std::size_t Ages = limits::MaxAgeIndex + 1;
  static constexpr std::size_t Stages = limits::StageColumns;

  Array2<std::int16_t> Nxj{Ages, Stages};
  Array2<double> Sxj{Ages, Stages};
  Array2<double> Gxj{Ages, Stages};
  Array2<double> Dxj{Ages, Stages};
  Array2<double> Cxj{Ages, Stages};
  Array1<double> Sj{Stages};
  Array2<double> StageAgeRange{limits::StageNameSlots, 3};
};

struct AgeVectors {
  static constexpr std::size_t Ages = limits::MaxAgeIndex + 1;
  static constexpr std::size_t Stages = limits::StageColumns;

  Array1<double> Lx{Ages}, Qx{Ages}, Kx{Ages}, CumQx{Ages}, Tx{Ages}, AgeValue{Ages};
  Array1<double> MatrixTColumnSum{Stages};
  Array1<double> Zj{Stages};
  double TotalNetConsumptionRate = 0;
  double NetConsumptionRate = 0;  // C0, the sum of q(x)
  Array1<double> StageDailyMeanConsumption{Stages}, StageDaySum{Stages}, StageTxjSum{Stages};
  Array1<double> CjFromMatrices{Stages};
  Array1<double> CjFromMeans{Stages};
  Array2<double> TableBuffer{Ages, Stages};
  double TempSum = 0;
  double PrintedC0 = 0;
  // The largest c(j) of the weighting-coefficient table printed last, the
  // label of its stage column, and the check sums of both tables.
  double MaxCj = 0;
  std::string MaxCjStageName;
  double CjCheckSumFromMeans = 0;
  double CjCheckSumFromMatrices = 0;
  double TotalCohortConsumption = 0;  // the sum of T(x), formed with matrix T
};

}  // namespace vorelan
