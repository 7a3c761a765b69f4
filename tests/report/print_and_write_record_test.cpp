#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "report/print_record.h"
#include "report/write_record.h"
#include "support/test_name.h"
#include "support/written_text.h"

namespace vorelan {
namespace {

using testing::writtenText;

TEST(PrintRecord, NumberItemsCarrySignPositionAndTrailingBlank) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) { printTo(f).number(0.25).number(3).number(-1.5).endLine(); }),
            " .25  3 -1.5 \r\n");
}

TEST(PrintRecord, StringItemsStandAsTheyAre) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) { printTo(f).text(" Age").text("Egg").endLine(); }),
            " AgeEgg\r\n");
}

TEST(PrintRecord, EmptyStringWithLineEndIsAnEmptyLine) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) {
              printTo(f).text("").endLine();
              printTo(f).text("x").endLine();
            }),
            "\r\nx\r\n");
}

struct TabCase {
  const char* name;
  const char* before;  // text already on the line
  int column;
  const char* result;
};

void PrintTo(const TabCase& c, std::ostream* out) { *out << c.name; }

class TabCases : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabCases, MovesToTheColumnOrStartsANewLine) {
  const TabCase& c = GetParam();
  EXPECT_EQ(writtenText([&](TextOutputFile& f) { printTo(f).text(c.before).tab(c.column).text("#"); }),
            c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, TabCases,
    ::testing::Values(TabCase{"EmptyLineToColumnOne", "", 1, "#"}, TabCase{"EmptyLineToColumnFive", "", 5, "    #"},
                      TabCase{"TextShortOfTheColumn", "123", 10, "123      #"},
                      // At the column already: nothing is added.
                      TabCase{"AtTheColumnAlready", "123456789", 10, "123456789#"},
                      // Just past it, and far past it: a new line padded to the column.
                      TabCase{"JustPastTheColumn", "1234567890", 10, "1234567890\r\n         #"},
                      TabCase{"FarPastTheColumn", "123456789012", 10, "123456789012\r\n         #"},
                      // Letters outside ASCII count as one column each.
                      TabCase{"LetterOutsideAscii", "L\xC3\xA4ufer", 10, "L\xC3\xA4ufer   #"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintRecord, AnOpenLineIsContinuedByTheNextStatement) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) {
              printTo(f).tab(5).number(1).tab(12).rounded(0.3333, 3);
              printTo(f).tab(21).text("0");
              printTo(f).tab(5).number(2);  // the next row's Tab ends the row
              printTo(f).tab(5).text("--").endLine();
            }),
            "     1      .333    0\r\n     2 \r\n    --\r\n");
}

TEST(PrintRecord, TabAfterALineEndStartsAtColumnOne) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) {
              printTo(f).text("abcdefghijkl").endLine();
              printTo(f).tab(3).text("x").endLine();
            }),
            "abcdefghijkl\r\n  x\r\n");
}

// Numbers and blanks are counted as they are written, text items are read
// for their characters: a tab after any mix of them finds the column.
struct MixedLineCase {
  const char* name;
  std::function<void(TextOutputFile&)> write;
  const char* result;
};

void PrintTo(const MixedLineCase& c, std::ostream* out) { *out << c.name; }

class MixedLineCases : public ::testing::TestWithParam<MixedLineCase> {};

TEST_P(MixedLineCases, TabFindsTheColumnAfterNumbersTextAndLineEnds) {
  EXPECT_EQ(writtenText(GetParam().write), GetParam().result) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, MixedLineCases,
    ::testing::Values(
        MixedLineCase{"letter outside ASCII, then a number",
                      [](TextOutputFile& f) { printTo(f).text("\xC3\xA4").number(1).tab(8).text("#"); },
                      "\xC3\xA4 1    #"},
        MixedLineCase{"number, then a letter outside ASCII",
                      [](TextOutputFile& f) { printTo(f).rounded(2.5, 0).text("\xC3\xA4").tab(6).text("#"); },
                      " 2 \xC3\xA4 #"},
        MixedLineCase{"line end inside a text item",
                      [](TextOutputFile& f) { printTo(f).number(12345).text("x\r\nab").rounded(1, 0).tab(7).text("#"); },
                      " 12345 x\r\nab 1  #"},
        MixedLineCase{"line end written as text, then numbers",
                      [](TextOutputFile& f) {
                        printTo(f).tab(9).text("\r\n").number(7).tab(6).rounded(-0.25, 1).tab(4).text("#");
                      },
                      "        \r\n 7   -.2 \r\n   #"},
        MixedLineCase{"tab to the column reached",
                      [](TextOutputFile& f) { printTo(f).tab(3).number(5).tab(6).text("#"); },
                      "   5 #"}),
    [](const auto& info) { return testing::testNameOfText(info.param.name); });

// The file is written out in pieces of many lines: the count of the line
// being written goes on across a piece's end.
TEST(PrintRecord, ColumnsHoldAcrossTheFilesPieces) {
  const std::string text = writtenText([](TextOutputFile& f) {
    for (int row = 0; row < 9000; ++row) {
      printTo(f).tab(3).number(row).tab(12).text("\xC3\xA4").rounded(row / 8.0, 2).tab(22).text("|").endLine();
    }
  });
  const auto lines = testing::crlfLinesOf(text);
  ASSERT_EQ(lines.size(), 9000u);
  for (std::size_t row = 0; row < lines.size(); ++row) {
    // Every bar stands after 21 characters; the letter is two bytes.
    ASSERT_EQ(lines[row].find('|'), 22u) << "row " << row << ": " << lines[row];
  }
}

TEST(WriteRecord, CommaSeparatedQuotedStringsAndPlainNumbers) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) {
              writeRecord(f, {"Age", "l(x)", "cumu. Co"});
              writeRecord(f, {0.5, -0.25, 3, 0, 12.125});
              writeRecord(f, {std::string("DDT"), 1, 5});
              writeRecord(f, {-1});
            }),
            "\"Age\",\"l(x)\",\"cumu. Co\"\r\n0.5,-0.25,3,0,12.125\r\n\"DDT\",1,5\r\n-1\r\n");
}

TEST(WriteRecord, PrintAndWriteRecordsShareTheFile) {
  EXPECT_EQ(writtenText([](TextOutputFile& f) {
              printTo(f).text("Project: ").text("Mites").endLine();
              writeRecord(f, {"Ind. no.", "Consumption rate"});
              printTo(f).number(1).text(",");
              writeRecord(f, {2.5});
            }),
            "Project: Mites\r\n\"Ind. no.\",\"Consumption rate\"\r\n 1 ,2.5\r\n");
}

}  // namespace
}  // namespace vorelan
