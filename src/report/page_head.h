#pragma once
// The head that opens every table of the reports, and the page and table
// counters that all reports share (they count across the basic and jackknife
// reports; only a bootstrap run sets them back to 0).
//
//   ReportPageHead(out, state.report, {PageMark::OwnLine, 70, TableLineForm::B},
//                  state.report.TableTitle);
// Tables whose head is split by lines of their own use the pieces:
//   printPageMark(out); printPageLine(out, report, 70);
//   const auto t = nextCount(report.TableNo); ...; printTableLine(out, t, form, title);
#include <cstdint>
#include <string>

#include "model/open_files.h"
#include "model/run_state.h"

namespace vorelan {

// The page mark, the character of code 8: on a line of its own, on the same
// line as the page line, or not printed.
enum class PageMark { OwnLine, SameLine, None };

// The table line, t being the table number in signed text form:
//   A: Tab(5), "Table", t, title    (the title begins with ". ")
//   B: " Table", t, ".", title      (the title begins with a blank)
//   C: Tab(5), "Table", t, ".", title
enum class TableLineForm { A, B, C };

struct PageHeadVariant {
  PageMark mark;
  int pageColumn;  // 70, or 60 in some tables
  TableLineForm form;
};

inline constexpr char PageMarkCharacter = '\b';

// Adds 1 to a page or table counter and returns the new value. The counter
// stops at 32767 rather than wrapping round to negative numbers.
std::int16_t nextCount(std::int16_t& counter);

// A line holding only the page mark.
void printPageMark(TextOutputFile& file);

// PageNo + 1, then Tab(column), "Page" and the page number as a number item.
void printPageLine(TextOutputFile& file, ReportState& report, int column = 70);

// The table line in the given form (the counter is not touched).
void printTableLine(TextOutputFile& file, int tableNo, TableLineForm form, const std::string& title);

// The whole head: page mark, page line (PageNo + 1), table line (TableNo + 1).
void ReportPageHead(TextOutputFile& file, ReportState& report, const PageHeadVariant& variant,
                    const std::string& title);

}  // namespace vorelan
