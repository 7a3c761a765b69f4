#pragma once
// The texts of the notice window shown when the user quits: the notice
// lines, the request to cite the program and where new versions are found.
#include <string>
#include <vector>

namespace vorelan {

// The notice lines from the top: the holder's notice line, the rights, the
// protection notice, the terms of use and a last, empty line.
std::vector<std::string> noticeLines(int year);

// The citation request, an empty line and the program's reference.
std::string citationRequest();

// Where new versions are published: two web addresses, each followed by the
// line naming who hosts it.
std::string newVersionPlaces();

}  // namespace vorelan
