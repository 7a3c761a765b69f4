#pragma once
// Print records: the lines of the human-readable reports and tables.
// One PrintRecord is one print statement; its items go to the current line
// of the file in order, and the line stays open until endLine(), so a row
// may be continued by a later statement (as a trailing semicolon does).
//
//   printTo(out).tab(70).text("Page").number(pageNo).endLine();
//   printTo(out).tab(12).rounded(lx, 3);   // line left open
#include <cstddef>
#include <string>
#include <string_view>

#include "model/open_files.h"
#include "report/number_text.h"

namespace vorelan {

class PrintRecord {
 public:
  explicit PrintRecord(TextOutputFile& file) : file_(file) {}

  // Defined here, to be inlined: a table writes them for each of its cells.

  // A string item: its characters as they stand.
  PrintRecord& text(std::string_view item) {
    file_.write(item);
    return *this;
  }
  // A number item in NumberText form: sign position, digits, trailing blank.
  PrintRecord& number(double item) {
    file_.writeFormedAscii(MaxNumberTextLength, [item](char* at) { return putNumberText(item, at); });
    return *this;
  }
  // A number item rounded half to even to `decimals` first.
  PrintRecord& rounded(double item, int decimals) {
    file_.writeFormedAscii(MaxNumberTextLength,
                           [item, decimals](char* at) { return putRoundedNumberText(item, decimals, at); });
    return *this;
  }
  // Tab(column): blanks up to the column (counted from 1). When the line is
  // already past it, the line is ended first and the new line padded.
  PrintRecord& tab(int column) {
    const auto target = static_cast<std::size_t>(column < 1 ? 1 : column);
    std::size_t position = file_.lineLength() + 1;
    if (position > target) {
      endLine();
      position = 1;
    }
    file_.writeBlanks(target - position);
    return *this;
  }
  // Ends the line (carriage return and line feed).
  void endLine() { file_.writeLineEnd(); }

 private:
  TextOutputFile& file_;
};

inline PrintRecord printTo(TextOutputFile& file) { return PrintRecord(file); }

// A run of one repeated character, for the rules of the tables.
inline std::string repeated(char character, int count) {
  return std::string(static_cast<std::size_t>(count < 0 ? 0 : count), character);
}

// A rule of the tables: `count` characters `character` from `column`, as a
// line of its own.
inline void printRule(TextOutputFile& file, int column, char character, int count) {
  printTo(file).tab(column).text(repeated(character, count)).endLine();
}

}  // namespace vorelan
