#include "predation/sasd_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "predation/five_predators.h"

namespace vorelan {
namespace {

using testing::FivePredators;
using testing::SasdFileText;

SasdFileContents contentsOf(const SasdFileRead& read) {
  if (const auto* refusal = std::get_if<SasdRefusal>(&read)) ADD_FAILURE() << refusal->problem;
  const auto* contents = std::get_if<SasdFileContents>(&read);
  return contents ? *contents : SasdFileContents{};
}

// The refusal of a file, or an empty one when the file was accepted.
std::optional<SasdRefusal> refusalOf(const SasdFileRead& read) {
  if (const auto* refusal = std::get_if<SasdRefusal>(&read)) return *refusal;
  return std::nullopt;
}

class SasdFileTest : public ::testing::Test {
 protected:
  FivePredators cohort;
  SasdFileRead parse(const SasdFileText& file) { return parseSasdFile(file.text(), cohort.state); }
};

TEST_F(SasdFileTest, ReadsLambdaTheLayoutWordTheCountsAndTheRecordsInTheirFields) {
  const SasdFileContents file = contentsOf(parse(SasdFileText{}));
  EXPECT_EQ(file.lambda, 1.5);
  EXPECT_EQ(file.layout, "In Column");
  EXPECT_EQ(file.sampleSize, 5);
  EXPECT_EQ(file.recordCount, 5);
  ASSERT_EQ(file.records.size(), 5U);
  const OvipositionRecord& first = file.records[0];
  EXPECT_EQ(first.individual, 1);
  EXPECT_EQ(first.sex, "F");
  EXPECT_EQ(first.longevity, 8);
  EXPECT_EQ(first.fecundity, 20);
  EXPECT_EQ(first.firstOviAge, 4);
  EXPECT_EQ(first.lastOviAge, 6);
  EXPECT_EQ(first.postP, 99);
  EXPECT_EQ(file.records[3].sex, "M");
}

TEST_F(SasdFileTest, BothLayoutsOfOneDistributionGiveTheSameMatrix) {
  SasdFileText inRow;
  inRow.layout = "In Row";
  inRow.values = testing::FivePredatorsInRow;
  const SasdFileContents byStage = contentsOf(parse(inRow));
  const SasdFileContents byAge = contentsOf(parse(SasdFileText{}));
  for (int x = 0; x < static_cast<int>(PredationState::Ages); ++x) {
    for (int j = 0; j < static_cast<int>(PredationState::Stages); ++j) {
      EXPECT_EQ(byStage.distribution(x, j), byAge.distribution(x, j)) << x << "," << j;
    }
  }
  EXPECT_EQ(byAge.distribution(0, 1), 0.15625);
  EXPECT_EQ(byAge.distribution(3, 4), 0.03125);
  EXPECT_EQ(byAge.distribution(7, 3), 0.0625);
}

TEST_F(SasdFileTest, TheLayoutWordIsComparedExactly) {
  // "in row" is not "In Row": the by-stage values read age by age run out
  // long before the 32 values of ages 0..7 have been read.
  SasdFileText file;
  file.layout = "in row";
  file.values = testing::FivePredatorsInRow;
  const auto refusal = refusalOf(parse(file));
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->problem.find("a(x,j) of age index"), std::string::npos) << refusal->problem;
}

TEST_F(SasdFileTest, RecordsMayComeInAnyOrderAndTheirNumberIsRoundedHalfToEven) {
  SasdFileText file;
  file.records = {"3,\"F\",7,5,4,4,1", "1,\"F\",8,20,4,6,99", "2.5,\"F\",8,10,5,6,0"};
  const SasdFileContents contents = contentsOf(parse(file));
  ASSERT_EQ(contents.records.size(), 3U);
  EXPECT_EQ(contents.records[0].individual, 3);
  EXPECT_EQ(contents.records[1].individual, 1);
  EXPECT_EQ(contents.records[2].individual, 2);
}

// Each fault of the file, and a part of the sentence that names it.
struct Refusal {
  const char* name;
  SasdFileText file;
  const char* problem;
};

void PrintTo(const Refusal& c, std::ostream* out) { *out << c.name; }

SasdFileText with(void (*change)(SasdFileText&)) {
  SasdFileText file;
  change(file);
  return file;
}

class SasdFileRefusal : public SasdFileTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(SasdFileRefusal, NamesTheFieldOrRecordAndWhatIsWrong) {
  const auto refusal = refusalOf(parse(GetParam().file));
  ASSERT_TRUE(refusal) << "the file was accepted";
  EXPECT_NE(refusal->problem.find(GetParam().problem), std::string::npos) << refusal->problem;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SasdFileRefusal,
    ::testing::Values(
        Refusal{"LambdaText", with([](SasdFileText& f) { f.lambda = "\"lambda\""; }),
                "In the finite rate of increase (lambda), \"lambda\" is not a number."},
        Refusal{"LambdaZero", with([](SasdFileText& f) { f.lambda = "0"; }),
                "The finite rate of increase (lambda) is 0; it must be above 0."},
        Refusal{"LambdaNegative", with([](SasdFileText& f) { f.lambda = "-1.2"; }),
                "The finite rate of increase (lambda) is -1.2; it must be above 0."},
        Refusal{"ValueNotANumber",
                with([](SasdFileText& f) { f.values.replace(f.values.find("0.09375"), 7, "O.09375"); }),
                "In a(x,j) of age index 2 and stage column 2, \"O.09375\" is not a number."},
        Refusal{"ShareAboveOne", with([](SasdFileText& f) { f.values.replace(0, 7, "1.5"); }),
                "In a(x,j) of age index 0 and stage column 1, 1.5 is outside 0 to 1"},
        Refusal{"ShareBelowZero",
                with([](SasdFileText& f) { f.values.replace(f.values.find("0.09375"), 7, "-0.09375"); }),
                "In a(x,j) of age index 2 and stage column 2, -0.09375 is outside 0 to 1"},
        Refusal{"LambdaTooLargeForOmega", with([](SasdFileText& f) { f.lambda = "1e308"; }),
                "The finite rate of increase (lambda) is 1e+308: the finite predation rate, lambda times psi "
                "(2.1875), is too large to be formed."},
        Refusal{"SampleSizeOfAnotherCohort", with([](SasdFileText& f) { f.sampleSize = "6"; }),
                "The sample size in the file is 6, but the cohort of the data file has 5 individuals"},
        Refusal{"SampleSizeNotWhole", with([](SasdFileText& f) { f.sampleSize = "5.5"; }),
                "In the sample size, \"5.5\" is not a whole number."},
        Refusal{"NegativeRecordCount", with([](SasdFileText& f) { f.recordCount = "-1"; }),
                "In the number of oviposition records, -1 is outside 0 to 32767."},
        Refusal{"EndsInARecord", with([](SasdFileText& f) { f.records.back() = "5,\"N\",3,0"; }),
                "The file ends before the age at first oviposition of oviposition record 5."},
        Refusal{"HeadingInPlaceOfAValue", with([](SasdFileText& f) { f.values.clear(); f.records.clear(); }),
                "a(x,j) of age index"},
        Refusal{"EndsInAQuotedText", with([](SasdFileText& f) { f.records.back() = "5,\"N,3,0,0,0,0"; }),
                "The file ends inside the quoted text of the sex of oviposition record 5."},
        Refusal{"IndividualZero", with([](SasdFileText& f) { f.records[4] = "0,\"N\",3,0,0,0,0"; }),
                "Oviposition record 5 gives an individual number outside 1 to 5."},
        Refusal{"IndividualAboveN", with([](SasdFileText& f) { f.records[4] = "6,\"N\",3,0,0,0,0"; }),
                "Oviposition record 5 gives an individual number outside 1 to 5."},
        Refusal{"IndividualTwice", with([](SasdFileText& f) { f.records[4] = "4,\"N\",3,0,0,0,0"; }),
                "Oviposition records 4 and 5 both give individual no. 4."},
        Refusal{"DeathAfterTheLife", with([](SasdFileText& f) { f.records[2] = "3,\"F\",8,5,4,4,1"; }),
                "Oviposition record 3 (individual no. 3) gives the age at death 8, above the 7 time units"},
        Refusal{"DeathAfterTheLifeOfAMale", with([](SasdFileText& f) { f.records[3] = "4,\"M\",7,0,0,0,0"; }),
                "Oviposition record 4 (individual no. 4) gives the age at death 7, above the 6 time units"},
        Refusal{"FirstAfterLast", with([](SasdFileText& f) { f.records[0] = "1,\"F\",8,20,7,6,0"; }),
                "Oviposition record 1 (individual no. 1) is a reproductive female whose ages are out of order: "
                "first oviposition 7, last oviposition 6, death 8."},
        Refusal{"LastAtDeath", with([](SasdFileText& f) { f.records[0] = "1,\"F\",8,20,4,8,0"; }),
                "first oviposition 4, last oviposition 8, death 8."},
        Refusal{"FirstBeforeBirth", with([](SasdFileText& f) { f.records[0] = "1,\"F\",8,20,-1,6,0"; }),
                "first oviposition -1, last oviposition 6, death 8."}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(SasdFileTest, SharesOfExactlyZeroAndOneAreAccepted) {
  SasdFileText file;
  file.values.replace(0, 7, "1");
  file.values.replace(file.values.find("0.15625"), 7, "0");
  const SasdFileContents contents = contentsOf(parse(file));
  EXPECT_EQ(contents.distribution(0, 1), 1);
  EXPECT_EQ(contents.distribution(1, 1), 0);
}

TEST_F(SasdFileTest, OvipositionAgesOfANonReproductiveRecordAreNotChecked) {
  SasdFileText file;
  file.records[0] = "1,\"F\",8,0,7,6,0";  // fecundity 0
  file.records[3] = "4,\"M\",6,3,9,2,0";  // a male, whatever its fecundity says
  EXPECT_TRUE(std::holds_alternative<SasdFileContents>(parse(file)));
}

TEST_F(SasdFileTest, FieldsAfterTheLastRecordAreNotRead) {
  SasdFileText file;
  file.records.push_back("anything,\"else\"");
  file.recordCount = "5";
  EXPECT_TRUE(std::holds_alternative<SasdFileContents>(parse(file)));
}

TEST_F(SasdFileTest, AFileThatCannotBeOpenedIsRefused) {
  const auto refusal = refusalOf(readSasdFile((cohort.dir.path() / "missing.txt").string(), cohort.state));
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->problem, "The file cannot be opened: it does not exist.");
}

}  // namespace
}  // namespace vorelan
