#pragma once
// The matrix part of the basic report: matrices N, C, B, T and S, the stage
// tables of z(j), s(j) and c(j), the l(x) table and the summary of C0, N, Nc
// and Cbar. Printed to the report (file 3) once the life table is computed;
// the sums of matrices B and T are formed while printing.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// One age by stage table from TableBuffer, under TableTitle, TableSubtitle and
// TableNote. The buffer's cells are rounded in place (2 decimals above 100000,
// else 4). A cell outside its stage's ages prints "-", a cell <= 0 prints "0".
void Life04Gosub870(AnalysisState& state);

// The whole matrix part, in the order of the report; a Basic Run step.
void PrintLife04MatrixTables(AnalysisState& state, Platform& platform);

}  // namespace vorelan
