#include "guidance/text_pieces.h"

namespace vorelan {

std::string appendPieces(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += piece;
  return text;
}

std::string joinWithBlanks(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) {
    const bool separated = text.empty() || text.back() == ' ' || (!piece.empty() && piece.front() == '\n');
    if (!separated) text += ' ';
    text += piece;
  }
  return text;
}

}  // namespace vorelan
