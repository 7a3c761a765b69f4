#pragma once
// The limits of a cohort that the analysis accepts. Input beyond them is
// refused with a message; nothing is ever stored beyond them.
namespace vorelan::limits {

inline constexpr int MaxIndividuals = 400;
inline constexpr int MaxSexLines = 3;
inline constexpr int MinStages = 2;
inline constexpr int MaxStages = 11;
// An individual's life in time units; its end mark stands one place after.
inline constexpr int MaxLifeTimeUnits = 404;
// Last age index of the age vectors and age-stage matrices.
inline constexpr int MaxAgeIndex = 405;
// Stage columns 0..12: stages 1..K, the male adult column K+1, the total K+2.
inline constexpr int StageColumns = 13;
// Stage names of one sex line: 0..15.
inline constexpr int StageNameSlots = 16;
inline constexpr int MaxSerialNumber = 32767;
// Largest size of a daily value: far above any real consumption, and low
// enough that no sum or sum of squares over a cohort can overflow.
inline constexpr double MaxDailyValue = 1e12;
inline constexpr int MaxBootstrapReplicates = 200010;

}  // namespace vorelan::limits
