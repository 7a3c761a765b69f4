#include "predation/finite_predation_rate_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "predation/five_predators.h"
#include "support/report_on_file.h"

namespace vorelan {
namespace {

using testing::atColumns;
using testing::crlfLines;
using testing::FivePredators;
using testing::readFile;
using testing::SasdFileText;

const std::string Equals80(80, '=');
const std::string Dashes80(80, '-');

const std::initializer_list<std::string> Legend = {
    "TPOP: total preoviposition period.",
    "TPOPCon: Total consumption during TPOP.",
    "OviP: Oviposition period.",
    "OviCon: Total consumption during oviposition period.",
    "PostP: Post oviposition period.",
    "PostCon: Total consumption during post oviposition period."};

// A row: its label at column 1, then one item at each of the six columns.
std::string row(const std::string& label, const std::array<std::string, 6>& items) {
  return atColumns({{1, label},
                    {10, items[0]},
                    {20, items[1]},
                    {35, items[2]},
                    {45, items[3]},
                    {55, items[4]},
                    {65, items[5]}});
}

std::string written(FivePredators& cohort, const SasdFileText& file) {
  cohort.readRates(file);
  EXPECT_TRUE(WriteFinitePredationRateFile(cohort.state, cohort.platform));
  EXPECT_EQ(cohort.state.report.OutputFileName,
            (cohort.dir.path() / "cohort_0_Output_Finite_Predation_Rate_omega.txt").string());
  return readFile(cohort.state.report.OutputFileName);
}

TEST(FinitePredationRateFile, TheWholeFileOfTheFivePredators) {
  FivePredators cohort;
  // psi = 70/32, omega = 1.5 psi = 3.28125, ln(3.28125) = 1.18822444735779...
  std::string expected = crlfLines({
      "\"Five predators\"",
      "\"2026-04-01\"",
      "\"Observer\"",
      "Finite rate = 1.5 ",
      "Psi = 2.1875 ",
      "Finite Predation Rate = 3.28125 ",
      "Intrinsic Predation Rate = 1.1882244473578 ",
      "",
      Equals80,
      row("Ind.", {"TPOP", "TPOPCon", "OviP", "OviCon", "PostP", "PostCon"}),
      Dashes80,
      row(" 1 ", {" 4 ", " 6 ", " 3 ", " 12 ", " 1 ", " 0 "}),
      row(" 2 ", {" 5 ", " 7 ", " 2 ", " 6 ", " 1 ", " 2 "}),
      row(" 3 ", {" 4 ", " 4 ", " 1 ", " 3 ", " 2 ", " 6 "}),
      Dashes80,
      row("n", {" 3 ", " 3 ", " 3 ", " 3 ", " 3 ", " 3 "}),
      Dashes80,
      // TPOP 4, 5, 4: mean 4.333, S.D. 0.577, S.E. 0.333; TPOPCon 6, 7, 4:
      // 5.667, 1.528, 0.882; OviP 3, 2, 1: 2, 1, 0.577; OviCon 12, 6, 3: 7,
      // 4.583, 2.646; PostP 1, 1, 2: 1.333, 0.577, 0.333; PostCon 0, 2, 6:
      // 2.667, 3.055, 1.764.
      row("Mean", {" 4.33 ", " 5.67 ", " 2 ", " 7 ", " 1.33 ", " 2.67 "}),
      Dashes80,
      row("SD", {" .58 ", " 1.53 ", " 1 ", " 4.58 ", " .58 ", " 3.06 "}),
      Dashes80,
      row("SE", {" .33 ", " .88 ", " .58 ", " 2.65 ", " .33 ", " 1.76 "}),
      Dashes80,
  });
  expected += crlfLines(Legend);
  EXPECT_EQ(written(cohort, SasdFileText{}), expected);
}

TEST(FinitePredationRateFile, WithOneReproductiveFemaleOnlyTheMeanIsFormed) {
  FivePredators cohort;
  SasdFileText file;
  file.records = {"2,\"F\",8,10,5,6,0", "1,\"F\",8,0,4,6,99"};
  const std::string text = written(cohort, file);
  EXPECT_NE(text.find(crlfLines({row(" 2 ", {" 5 ", " 7 ", " 2 ", " 6 ", " 1 ", " 2 "}), Dashes80})),
            std::string::npos);
  EXPECT_NE(text.find(crlfLines({row("n", {" 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 "}), Dashes80,
                                 row("Mean", {" 5 ", " 7 ", " 2 ", " 6 ", " 1 ", " 2 "}), Dashes80,
                                 row("SD", {" -", " -", " -", " -", " -", " -"}), Dashes80,
                                 row("SE", {" -", " -", " -", " -", " -", " -"}), Dashes80})),
            std::string::npos)
      << text;
}

TEST(FinitePredationRateFile, WithoutAReproductiveFemaleNoStatisticIsFormed) {
  FivePredators cohort;
  SasdFileText file;
  file.records = {};
  const std::string text = written(cohort, file);
  EXPECT_NE(text.find(crlfLines({Dashes80, Dashes80, row("n", {" 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 "}),
                                 Dashes80, row("Mean", {" -", " -", " -", " -", " -", " -"})})),
            std::string::npos)
      << text;
}

TEST(FinitePredationRateFile, WithoutAPositiveOmegaTheIntrinsicRateIsADash) {
  FivePredators cohort;
  SasdFileText file;
  file.values.clear();
  for (int x = 0; x <= 7; ++x) file.values += "0,0,0,0\r\n";
  const std::string text = written(cohort, file);
  EXPECT_NE(text.find(crlfLines({"Psi = 0 ", "Finite Predation Rate = 0 ", "Intrinsic Predation Rate = -", ""})),
            std::string::npos)
      << text;
}

TEST(FinitePredationRateFile, ReadingTheFileTwiceWritesTheSameFile) {
  FivePredators cohort;
  const std::string first = written(cohort, SasdFileText{});
  EXPECT_EQ(written(cohort, SasdFileText{}), first);
}

TEST(FinitePredationRateMessage, JoinsTheNumbersWithoutBlanks) {
  EXPECT_EQ(finitePredationRateMessage(2.1875, 3.28125), "Psi =2.1875.  Finite predation rate =3.28125");
  EXPECT_EQ(finitePredationRateMessage(0.25, 1.0 / 3), "Psi =0.25.  Finite predation rate =0.333333333333333");
}

TEST(FinitePredationRateMessage, ARateThatCannotBeFormedShowsAsInTheFiles) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(finitePredationRateMessage(inf, -inf), "Psi =-.  Finite predation rate =-");
  EXPECT_EQ(finitePredationRateMessage(2, std::nan("")), "Psi =2.  Finite predation rate =-");
}

}  // namespace
}  // namespace vorelan
