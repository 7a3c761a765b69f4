#include "report/page_head.h"

#include <gtest/gtest.h>

#include "support/written_text.h"

namespace vorelan {
namespace {

using testing::writtenText;

const std::string Blanks69(69, ' ');

TEST(PageHead, PageLineForPageTwelve) {
  ReportState report;
  report.PageNo = 11;
  EXPECT_EQ(writtenText([&](TextOutputFile& f) { printPageLine(f, report); }), Blanks69 + "Page 12 \r\n");
  EXPECT_EQ(report.PageNo, 12);
}

TEST(PageHead, PageLineAtColumnSixty) {
  ReportState report;
  report.PageNo = 2;
  EXPECT_EQ(writtenText([&](TextOutputFile& f) { printPageLine(f, report, 60); }),
            std::string(59, ' ') + "Page 3 \r\n");
}

struct HeadCase {
  PageHeadVariant variant;
  const char* title;
  std::string expected;
};

const char* markName(PageMark mark) {
  switch (mark) {
    case PageMark::OwnLine: return "MarkOnItsOwnLine";
    case PageMark::SameLine: return "MarkOnThePageLine";
    case PageMark::None: return "NoMark";
  }
  return "UnknownMark";
}

const char* formName(TableLineForm form) {
  switch (form) {
    case TableLineForm::A: return "FormA";
    case TableLineForm::B: return "FormB";
    case TableLineForm::C: return "FormC";
  }
  return "UnknownForm";
}

// The variant tells the cases apart: no two share one.
std::string variantName(const PageHeadVariant& v) {
  return std::string(markName(v.mark)) + "_PageAtColumn" + std::to_string(v.pageColumn) + "_" + formName(v.form);
}

void PrintTo(const HeadCase& c, std::ostream* out) { *out << variantName(c.variant); }

class HeadCases : public ::testing::TestWithParam<HeadCase> {};

TEST_P(HeadCases, MarkPageLineAndTableLine) {
  const HeadCase& c = GetParam();
  ReportState report;
  report.PageNo = 2;
  report.TableNo = 6;
  EXPECT_EQ(writtenText([&](TextOutputFile& f) { ReportPageHead(f, report, c.variant, c.title); }),
            c.expected);
  EXPECT_EQ(report.PageNo, 3);
  EXPECT_EQ(report.TableNo, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, HeadCases,
    ::testing::Values(
        HeadCase{
            {PageMark::OwnLine, 70, TableLineForm::B},
            " Age-stage-specific consumption rate (Matrix C)",
            "\b\r\n" + Blanks69 + "Page 3 \r\n Table 7. Age-stage-specific consumption rate (Matrix C)\r\n"},
        HeadCase{{PageMark::OwnLine, 70, TableLineForm::A},
                 ". Age-specific survival rate l(X) and consumption rate ",
                 "\b\r\n" + Blanks69 +
                     "Page 3 \r\n    Table 7. Age-specific survival rate l(X) and consumption rate \r\n"},
        HeadCase{{PageMark::OwnLine, 60, TableLineForm::A},
                 ". Basic Statistics of Life History Data",
                 "\b\r\n" + std::string(59, ' ') +
                     "Page 3 \r\n    Table 7. Basic Statistics of Life History Data\r\n"},
        // The mark counts as the first column of the page line.
        HeadCase{{PageMark::SameLine, 70, TableLineForm::A},
                 ". Jackknife",
                 "\b" + std::string(68, ' ') + "Page 3 \r\n    Table 7. Jackknife\r\n"},
        HeadCase{{PageMark::OwnLine, 70, TableLineForm::C},
                 " Stable age-stage distribution",
                 "\b\r\n" + Blanks69 + "Page 3 \r\n    Table 7. Stable age-stage distribution\r\n"},
        HeadCase{{PageMark::None, 70, TableLineForm::A},
                 ". Stage duration of each individual",
                 Blanks69 + "Page 3 \r\n    Table 7. Stage duration of each individual\r\n"}),
    [](const auto& info) { return variantName(info.param.variant); });

TEST(PageHead, CountersStopAtTheirLargestValue) {
  std::int16_t counter = 32766;
  EXPECT_EQ(nextCount(counter), 32767);
  EXPECT_EQ(nextCount(counter), 32767);
  EXPECT_EQ(counter, 32767);
}

}  // namespace
}  // namespace vorelan
