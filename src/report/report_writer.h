#pragma once
// The one writer of every output file of the program. Include this header.
//
// Opening and closing (a failure is told to the user, never taken for success):
//   if (!openOutputFile(state.files.file1, name, platform)) return;
//   ...
//   closeOutputFile(state.files.file1, platform);
//
// Print records (reports, tables): one printTo(...) is one print statement.
//   printTo(out).text(" Sum of matrix B =").number(sum).endLine();
//   printTo(out).tab(12).rounded(lx, 3);        // no endLine(): the row stays
//   printTo(out).tab(5);                        // open; a Tab before its column
//                                               // ends it and pads the new line
//   Number items carry the sign position and a trailing blank (" .25 ", "-1.5 ").
//   Texts built from numbers: signedText(7) == " 7", numberDigits(0.5) == ".5".
//
// Write records (comma-separated data for other programs), one call a record:
//   writeRecord(out, {"Age", "l(x)"});          // "Age","l(x)"
//   writeRecord(out, {0.5, -0.25, 3});          // 0.5,-0.25,3
//
// Rounding rule of every table (half to even, no overflow):
//   roundHalfEven(0.125, 2) == 0.12; printTo(out).rounded(v, 4) prints it.
//
// Table heads and the shared page and table counters:
//   ReportPageHead(out, state.report, {PageMark::OwnLine, 70, TableLineForm::B}, title);
//
// Lines end with carriage return and line feed.
#include "report/file_failure.h"
#include "report/number_text.h"
#include "report/output_file.h"
#include "report/page_head.h"
#include "report/print_record.h"
#include "report/write_record.h"
