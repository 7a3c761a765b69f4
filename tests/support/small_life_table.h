#pragma once
// A small life table filled by hand: three stages (two pre-adult, the female
// and male adult columns), ages 0..4, every value telling its age and column.
#include "model/analysis_state.h"

namespace vorelan::testing {

inline constexpr int SmallStages = 3;
inline constexpr int SmallMaxAge = 4;

// The value a stage figure expects at (age, column) of a matrix numbered m.
inline double smallMatrixValue(int matrix, int age, int column) {
  return matrix * 0.001 + column * 0.1 + age * 0.01;
}
inline double smallVectorValue(int vector, int age) { return vector * 100 + age * 2.5; }

inline void fillSmallLifeTable(AnalysisState& state) {
  state.header.NumStages = SmallStages;
  state.stageStats.MaxAge = SmallMaxAge;
  const char* names[] = {"", "Egg", "Nymp", "Female", "Male"};
  for (std::size_t j = 1; j <= 4; ++j) state.header.StageName(1, j) = names[j];
  // Row 2 holds other names: the figures label their curves from row 1 only.
  for (std::size_t j = 1; j <= 4; ++j) state.header.StageName(2, j) = "wrong";
  for (int x = 0; x <= SmallMaxAge + 3; ++x) {
    const auto ux = static_cast<std::size_t>(x);
    for (int j = 0; j <= SmallStages + 2; ++j) {
      const auto uj = static_cast<std::size_t>(j);
      state.matrices.Sxj(ux, uj) = smallMatrixValue(1, x, j);
      state.matrices.Gxj(ux, uj) = smallMatrixValue(2, x, j);
      state.matrices.Dxj(ux, uj) = smallMatrixValue(3, x, j);
      state.matrices.Cxj(ux, uj) = smallMatrixValue(4, x, j) * 100;
    }
    state.ageVectors.Lx(ux) = smallVectorValue(1, x);
    state.ageVectors.Qx(ux) = smallVectorValue(2, x);
    state.ageVectors.Kx(ux) = smallVectorValue(3, x);
    state.ageVectors.AgeValue(ux) = x;
  }
}

}  // namespace vorelan::testing
