#pragma once
// The stable age-stage distribution read last, the predation rates formed
// from it, and the oviposition records of the same file with the periods and
// consumption of each reproductive female. Replaced whole by each file that
// passes its checks; a refused file leaves it as it was.
#include <array>
#include <cstdint>
#include <string>

#include "arrays.h"
#include "limits.h"

namespace vorelan {

// The six per-female quantities, in the column order of the result file.
enum class FemalePeriod { TPOP, TPOPCon, OviP, OviCon, PostP, PostCon };
inline constexpr int FemalePeriodCount = 6;

// Sum, sum of squares, mean, variance, standard deviation and standard error
// of one per-female quantity over the reproductive females.
struct FemalePeriodStatistics {
  double Sum = 0;
  double SumSq = 0;
  double Mean = 0;
  double Variance = 0;
  double SD = 0;
  double SE = 0;
};

struct PredationState {
  static constexpr std::size_t Ages = limits::MaxAgeIndex + 1;
  static constexpr std::size_t Stages = limits::StageColumns;

  std::string SASDFileName;
  double Lambda = 0;       // finite rate of increase
  std::string SASDLayout;  // "In Row": by stage; any other word: by age
  Array2<double> SASD{Ages, Stages};  // a(x,j); 0 where the file gives no value
  std::int32_t SASDSampleSize = 0;
  std::int16_t SASDRecordCount = 0;

  // Oviposition records, by the individual number they give (1..N).
  Array1<std::string> SASDSex;
  Array1<double> SASDLongevity;
  Array1<double> Fecundity;  // 0: not reproductive
  Array1<double> TPOP;       // age at first oviposition, counted from birth
  Array1<double> LastOviAge;
  // Read from the record, then replaced by longevity - last oviposition - 1
  // for every reproductive female.
  Array1<double> PostP;
  Array1<double> OviP;
  Array1<double> TPOPCon, OviCon, PostCon;  // consumption before, during and after oviposition
  double ReproFemaleCount = 0;

  Array2<double> SASDxCxj{Ages, Stages};  // a(x,j) * c(x,j)
  double Psi = 0;                         // stable predation rate
  double Omega = 0;                       // finite predation rate, lambda * Psi
  // ln(omega); formed only when omega > 0.
  double IntrinsicPredationRate = 0;
  bool HasIntrinsicPredationRate = false;
  double TablePsi = 0;  // psi under the product table of the reports

  std::array<FemalePeriodStatistics, FemalePeriodCount> PeriodStatistics{};
};

}  // namespace vorelan
