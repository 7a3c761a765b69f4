#include "predation/sasd_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "predation/five_predators.h"
#include "support/report_on_file.h"

namespace vorelan {
namespace {

using testing::atColumns;
using testing::crlfLines;
using testing::FivePredators;
using testing::readFile;
using testing::SasdFileText;

// A table row: the age at column 5, then per stage column j = 1..4 either a
// value at column 8j+5 or "-" / "0" at column 8j+6 (nullptr: "-").
std::string tableRow(const std::string& age, const std::vector<const char*>& cells) {
  std::string line = atColumns({{5, age}});
  for (int j = 1; j <= 4; ++j) {
    const char* cell = cells[static_cast<std::size_t>(j - 1)];
    const std::string text = cell ? cell : "-";
    const bool bare = text == "-" || text == "0";
    line.resize(static_cast<std::size_t>(8 * j + (bare ? 5 : 4)), ' ');
    line += text;
  }
  return line;
}

const std::string Rule = "    " + std::string(39, '-');
const std::string Heading = "     Age    Larv    Pupa    Fema    Male";

class SasdTables : public ::testing::Test {
 protected:
  void SetUp() override {
    cohort.readRates(SasdFileText{});
    cohort.state.report.PageNo = 4;
    cohort.state.report.TableNo = 6;
    path = (cohort.dir.path() / "report.txt").string();
    ASSERT_TRUE(cohort.state.files.file3.open(path));
  }
  std::string printed() {
    cohort.state.files.file3.close();
    return readFile(path);
  }

  FivePredators cohort;
  std::string path;
};

TEST_F(SasdTables, TheStableDistributionRoundedTo4Decimals) {
  PrintSASD(cohort.state);
  // 0.15625, 0.09375 and 0.03125 are halfway at the fourth decimal and go to the even digit.
  const std::string expected = crlfLines({
      "\b",
      std::string(69, ' ') + "Page 5 ",
      "    Table 7. Stable age-stage distribution (Total population = 1)",
      Rule,
      Heading,
      Rule,
      tableRow(" 0 ", {" .1562 ", nullptr, nullptr, nullptr}),
      tableRow(" 1 ", {" .1562 ", nullptr, nullptr, nullptr}),
      tableRow(" 2 ", {" .0625 ", " .0938 ", nullptr, nullptr}),
      tableRow(" 3 ", {nullptr, " .0625 ", " .0312 ", " .0312 "}),
      tableRow(" 4 ", {nullptr, nullptr, " .0938 ", " .0312 "}),
      tableRow(" 5 ", {nullptr, nullptr, " .0938 ", " .0312 "}),
      tableRow(" 6 ", {nullptr, nullptr, " .0938 ", nullptr}),
      tableRow(" 7 ", {nullptr, nullptr, " .0625 ", nullptr}),
      Rule,
      " ",
  });
  EXPECT_EQ(printed(), expected);
  EXPECT_EQ(cohort.state.report.PageNo, 5);
  EXPECT_EQ(cohort.state.report.TableNo, 7);
}

TEST_F(SasdTables, TheProductWithCxjAndPsiUnderIt) {
  PrintProductOfSASDandCxj(cohort.state);
  // a(x,j) c(x,j): larvae 0.46875, 0.4375, 0.09375; pupae eat nothing;
  // females 0.0625, 0.40625, 0.375, 0.1875, 0.0625; males 0.03125 at 3..5.
  const std::string expected = crlfLines({
      "\b",
      std::string(69, ' ') + "Page 5 ",
      "    Table 7. Product of SASD*Cxj (Total population = 1)",
      Rule,
      Heading,
      Rule,
      tableRow(" 0 ", {" .4688 ", nullptr, nullptr, nullptr}),
      tableRow(" 1 ", {" .4375 ", nullptr, nullptr, nullptr}),
      tableRow(" 2 ", {" .0938 ", "0", nullptr, nullptr}),
      tableRow(" 3 ", {nullptr, "0", " .0625 ", " .0312 "}),
      tableRow(" 4 ", {nullptr, nullptr, " .4062 ", " .0312 "}),
      tableRow(" 5 ", {nullptr, nullptr, " .375 ", " .0312 "}),
      tableRow(" 6 ", {nullptr, nullptr, " .1875 ", nullptr}),
      tableRow(" 7 ", {nullptr, nullptr, " .0625 ", nullptr}),
      Rule,
      "    Stable predation rate (psi): 2.1875 ",
      "    psi: Total consumption of a population at SASD (population size = 1)",
      "    Finite predation rate (omega)= 3.28125 ",
      " ",
  });
  EXPECT_EQ(printed(), expected);
}

TEST_F(SasdTables, ThePsiUnderTheTableIsThePsiOfTheRates) {
  PrintProductOfSASDandCxj(cohort.state);
  EXPECT_EQ(cohort.state.predation.TablePsi, cohort.state.predation.Psi);
}

TEST_F(SasdTables, TheDistributionPrintsNothingBeforeAFileHasBeenRead) {
  cohort.state.run.SASDRead = "";
  PrintSASD(cohort.state);
  EXPECT_EQ(printed(), "");
  EXPECT_EQ(cohort.state.report.TableNo, 6);
}

TEST_F(SasdTables, AValueOutsideItsStagesAgesShowsADash) {
  cohort.state.predation.SASD(0, 3) = 0.5;  // females are 3..7 days old
  PrintSASD(cohort.state);
  EXPECT_NE(printed().find(tableRow(" 0 ", {" .1562 ", nullptr, nullptr, nullptr}) + "\r\n"), std::string::npos);
}

TEST(RoundProductCell, RoundsEachCellByItsSize) {
  EXPECT_EQ(roundProductCell(0.5), 0.5);
  EXPECT_EQ(roundProductCell(0.123456), 0.1235);
  EXPECT_EQ(roundProductCell(12.3456), 12.35);
  EXPECT_EQ(roundProductCell(123.6), 124);
  EXPECT_EQ(roundProductCell(9999.4), 9999);
  EXPECT_EQ(roundProductCell(12345.678), 12345.678);
}

}  // namespace
}  // namespace vorelan
