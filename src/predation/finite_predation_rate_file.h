#pragma once
// The result file of Read SASD, beside the data file: lambda, psi, omega and
// the intrinsic predation rate, then the periods and consumption of each
// reproductive female with their n, mean, S.D. and S.E.; and the message
// box that announces the rates.
#include <string>

#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* FinitePredationRateSuffix = "_0_Output_Finite_Predation_Rate_omega.txt";
inline constexpr const char* FinitePredationRateTitle = "Finit predation rate";

// Writes BaseFileName & the suffix (kept in OutputFileName). False when it
// could not be written; the user has been told then.
bool WriteFinitePredationRateFile(AnalysisState& state, Platform& platform);

// "Psi =" psi ".  Finite predation rate =" omega, the numbers joined without blanks.
std::string finitePredationRateMessage(double psi, double omega);

}  // namespace vorelan
