#pragma once
// Long window texts are kept as pieces, the way they read in the source; two
// ways of putting them together.
#include <string>
#include <vector>

namespace vorelan {

// Each piece as it stands, nothing between them.
std::string appendPieces(const std::vector<std::string>& pieces);

// A blank between two pieces where the first does not already end with one,
// so that no two words run together at a join; a piece that opens a new
// paragraph (it begins with a line feed) needs none.
std::string joinWithBlanks(const std::vector<std::string>& pieces);

}  // namespace vorelan
