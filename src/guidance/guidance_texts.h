#pragma once
// The texts of the guidance windows: the example data file and its
// explanation, the special note, and the help on printing the output.
#include <array>
#include <string>

namespace vorelan {

inline constexpr const char* DataFormatHeading =
    " Write your data file in pure text format (txt file) in the following order:";

// The example data file, one line a caption: lines 0 to 8 are the
// descriptive part, lines 9 to 14 the raw data of the first six individuals.
inline constexpr int DescriptiveLines = 9;
std::array<std::string, 15> exampleDataLines();

// The explanation beside the descriptive part and beside the raw data.
std::string descriptivePartExplanation();
std::string rawDataExplanation();

// The special note: help with data files and the reasons for the
// age-stage, two-sex life table.
std::string specialNote();

// How to print the output file and what the graphic files are for.
std::string printingHelp();

}  // namespace vorelan
