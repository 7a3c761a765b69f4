#pragma once
// The literature of the method, as the references window lists it.
#include <string>
#include <vector>

namespace vorelan {

inline constexpr const char* ReferencesHeading = "References";

// Each a citation: authors, year, title, journal, volume and pages.
const std::vector<std::string>& references();

}  // namespace vorelan
