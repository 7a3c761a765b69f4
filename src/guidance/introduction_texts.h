#pragma once
// The texts of the three introduction windows.
#include <array>
#include <string>

namespace vorelan {

// The notes on the four stages of the moth: eggs, larvae, pupae, adults.
std::array<std::string, 4> stageNotes();
inline constexpr const char* StagesImportanceNote = "The variation of onsumption rate among stages are important.";

// The explanation beside the diagram of twenty individuals.
std::string diagramExplanation();

// The short essay on why the age-stage, two-sex life table is needed.
std::string introductionEssay();

}  // namespace vorelan
