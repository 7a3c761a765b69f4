#pragma once
// What the bootstrap summary leaves after the replicates besides the C0
// statistics and classes: Qp, and with the sibling program's samples the
// statistics of Qp, Psi, FP and of the replicates' stage mean consumption,
// which the density curves use as standard errors.
#include <array>
#include <cstdint>
#include <string>

#include "arrays.h"
#include "limits.h"

namespace vorelan {

// Sum, sum of squares, mean, variance and S.E. of one estimate over the
// replicates; the S.E. of a bootstrap estimate is the S.D. of its replicate
// values.
struct ReplicateStatistics {
  double Sum = 0;
  double SumSq = 0;
  double Mean = 0;
  double Var = 0;
  double SE = 0;
};

struct BootstrapSummary {
  // The captions of lblBootBegin and lblBootEnd: when the replicates began
  // and when the run ended.
  std::string BootBeginText;
  std::string BootEndText;

  // Qp of the whole cohort: its C0 over Ro of all individuals from the
  // samples file. Without that file there is no Ro, and no Qp.
  bool HasQp = false;
  double Qp = 0;

  // Per replicate b = 1..B of a same-samples run: C0(b) / Ro(b).
  Array1<double> BootQp;
  ReplicateStatistics BootQpStats, BootPsiStats, BootOmegaStats;  // BootQpMean ... BootOmegaSE

  // Per stage j = 1..m, over the replicates' stage mean consumption: all
  // individuals (SumBootStageCons ... SEBootStageCons), and [s][j] each sex
  // line s = 1..S (SumBootSex1StageCons ... SEBootSex2StageCons for lines 1
  // and 2), so that the female and the male figures can follow the lines
  // labelled "F" and "M" in whatever order the header lists them.
  std::array<ReplicateStatistics, limits::StageColumns> BootStageCons{};
  std::array<std::array<ReplicateStatistics, limits::StageColumns>, limits::MaxSexLines + 1> BootSexStageCons{};
};

}  // namespace vorelan
