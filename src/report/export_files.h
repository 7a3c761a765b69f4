#pragma once
// Input files for stage-structured simulation programs, built from the
// age-stage life table that a Basic Run leaves: a predator and a prey
// template, and the input files of the sibling programs Brusko (population
// simulation) and Lorvimente (two-sex competition). No button writes them yet.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* PredatorFileSuffix = "_predator.txt";
inline constexpr const char* PreyFileSuffix = "_prey.txt";
inline constexpr const char* BruskoFileSuffix = "_Brusko.txt";
inline constexpr const char* LorvimenteFileSuffix = "_Lorvimente.txt";

void WritePredatorDataFile(AnalysisState& state, Platform& platform);
void WritePreyDataFile(AnalysisState& state, Platform& platform);
void WriteDataFileForBrusko(AnalysisState& state, Platform& platform);
void WriteDatafileForLorvimente(AnalysisState& state, Platform& platform);

}  // namespace vorelan
