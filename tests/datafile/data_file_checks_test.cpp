#include "datafile/data_file_checks.h"

#include <gtest/gtest.h>

#include <chrono>

#include "runs/handler_boundary.h"
#include "datafile/raw_data_reader.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::cohortFile;
using testing::ScriptedPlatform;
using testing::TempDir;

const std::vector<std::string> FourStages = {"Egg", "Larva", "Pupa", "Adult"};
const std::string PleaseCorrect = "\nPlease correct your data and rerun this program.";

// A session with the data file written and the basic report open, as after
// Open data file.
struct CheckSession {
  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();

  explicit CheckSession(const std::string& content) {
    state.report.DataFileName = dir.write("cohort.txt", content);
    state.files.file3.open((dir.path() / "cohort_0_Basic_Output.txt").string());
  }
};

using CheckProcedure = void (*)(AnalysisState&, Platform&);

struct RefusalCase {
  const char* name;
  std::string content;
  std::string firstLine;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

// Runs a check as the handler does; every refusal shows one box titled
// "Error in data file", then the program ends with every file closed.
void expectRefusal(CheckProcedure check, const RefusalCase& c) {
  CheckSession s(c.content);
  ASSERT_TRUE(s.state.files.file3.isOpen());
  EXPECT_FALSE(runHandler(s.state, s.platform, [&] { check(s.state, s.platform); }));
  EXPECT_EQ(s.script.endProgramCalls, 1);
  EXPECT_FALSE(s.state.files.file3.isOpen());
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].title, "Error in data file");
  EXPECT_EQ(s.script.messages()[0].text, c.firstLine + PleaseCorrect);
}

// Faults that both checks find.
const std::vector<RefusalCase> CommonFaults = {
    {"serial_number_out_of_order",
     cohortFile(FourStages, {"1,F,1,1,1,1,-1,-1,-1,-1", "3,M,1,1,1,1,-1,-1,-1,-1"}),
     "Check data of individual no. 1 or 2"},
    {"first_serial_number_2", cohortFile(FourStages, {"2,F,1,1,1,1,-1,-1,-1,-1"}),
     "Check data of individual no. 0 or 1"},
    {"lower_case_sex_letter", cohortFile(FourStages, {"1,f,1,1,1,1,-1,-1,-1,-1"}),
     "Check data of individual no. 0 or 1"},
    {"N_with_adult_stage",
     cohortFile(FourStages, {"1,M,1,1,1,1,-1,-1,-1,-1", "2,N,1,1,1,1,-1,-1,-1,-1"}),
     "Individual no.2 is type N with adult stage. It is incorrect."},
    // No name or number needs more than 4096 bytes; the field is refused
    // where it stands, before anything reads it.
    {"stage_name_of_4097_bytes", cohortFile({"Egg", std::string(4097, 'L'), "Pupa", "Adult"}, {"1,N,-1,-1"}),
     "In the name of stage 2 of sex line 1, a field on line 6 of the file is longer than 4096 bytes; "
     "no name or number is that long."},
    {"quoted_project_of_4097_bytes", "\"" + std::string(4097, 'P') + "\"\r\n" + cohortFile(FourStages, {"1,N,-1,-1"}),
     "In the project name, a field on line 1 of the file is longer than 4096 bytes; no name or number is that long."},
    {"daily_value_of_a_million_digits_on_a_later_line",
     cohortFile(FourStages, {"1,N,-1,-1", "2,F,1,1,1,1,\n" + std::string(1'000'000, '0') + "3,-1,-1,-1,-1"}),
     "In the daily values of stage 1 of individual no.2, a field on line 12 of the file is longer than "
     "4096 bytes; no name or number is that long."},
};

// Faults that only the check at Open finds.
const std::vector<RefusalCase> OpenOnlyFaults = {
    {"female_dying_as_pupa", cohortFile(FourStages, {"1,F,2,3,-4,-1,-1,-1"}),
     "Individual no.1 is type F or M without adult stage. It is incorrect."},
    {"male_with_negative_adult_duration",
     cohortFile(FourStages, {"1,N,1,-1,-1,-1", "2,M,1,1,1,-2,-1,-1,-1,-1"}),
     "Individual no.2 is type F or M without adult stage. It is incorrect."},
    // Ages: egg 0-1, larva 2-4, pupa 5-10, adult 11 (4) and 12 (-3).
    {"negative_value_in_the_adult_stage",
     cohortFile(FourStages, {"1,N,1,-1,-1,-1", "2,F,2,3,6,3,-1,-1,-1,4,-3,-1"}),
     "Individual no.2, age12. Predation rate <0. It is incorrect."},
    {"value_minus_one_and_a_half_in_the_larval_stage", cohortFile(FourStages, {"1,F,2,3,1,1,-1,5,-1.5,-1,-1,-1"}),
     "Individual no.1, age3. Predation rate <0. It is incorrect."},
    {"negative_last_value_of_a_surviving_stage", cohortFile(FourStages, {"1,F,1,1,1,1,5,-2,-1,-1,-1"}),
     "Individual no.1, age1. Predation rate <0. It is incorrect."},
    {"negative_value_in_the_death_stage", cohortFile(FourStages, {"1,N,2,-3,-1,5,-2,-1"}),
     "Individual no.1, age3. Predation rate <0. It is incorrect."},
    {"death_stage_of_4_given_4_values_then_7", cohortFile(FourStages, {"1,N,1,-4,-1,1,2,3,4,7"}),
     "Error in individual no. 1."},
    {"death_stage_of_4_given_4_values_then_0", cohortFile(FourStages, {"1,N,1,-4,-1,1,2,3,4,0"}),
     "Error in individual no. 1."},
    {"death_stage_of_4_given_4_values_then_minus_3",
     cohortFile(FourStages, {"1,N,1,-4,-1,1,2,3,4,-3"}), "Error in individual no. 1."},
    {"larva_of_3_given_4_values_without_minus_1",
     cohortFile(FourStages, {"1,F,2,3,1,2,-1,1,2,3,4,-1,-1"}),
     "Individual no.1, stage 2 (Larva): daily values beyond the duration 3 without a closing -1. "
     "It is incorrect."},
    {"adult_of_2_given_3_values_without_minus_1",
     cohortFile(FourStages, {"1,F,1,1,1,2,-1,-1,-1,5,6,7"}),
     "Individual no.1, stage 4 (Adult): daily values beyond the duration 2 without a closing -1. "
     "It is incorrect."},
    {"egg_stage_of_0", cohortFile(FourStages, {"1,F,0,1,1,1,-1,-1,-1,-1"}),
     "Individual no.1, stage 1 (Egg): duration 0, but a stage that is entered lasts at least one "
     "time unit. It is incorrect."},
    {"N_with_larva_of_0_before_its_death", cohortFile(FourStages, {"1,N,1,0,-2,-1,-1,-1"}),
     "Individual no.1, stage 2 (Larva): duration 0, but a stage that is entered lasts at least one "
     "time unit. It is incorrect."},
    // The adult stage ends the record, but the walk of the life table would
    // still count such an adult on two ages.
    {"female_with_an_adult_stage_of_0", cohortFile(FourStages, {"1,F,1,1,1,0,-1,-1,-1,-1"}),
     "Individual no.1, stage 4 (Adult): duration 0, but a stage that is entered lasts at least one "
     "time unit. It is incorrect."},
    {"male_adult_of_0_given_a_value", cohortFile(FourStages, {"1,M,1,1,1,0,-1,-1,-1,5"}),
     "Individual no.1, stage 4 (Adult): duration 0, but a stage that is entered lasts at least one "
     "time unit. It is incorrect."},
    {"stage_name_too_long_to_show_whole",
     cohortFile({"Egg", std::string(60, 'L'), "Pupa", "Adult"}, {"1,F,1,0,1,1,-1,-1,-1,-1"}),
     "Individual no.1, stage 2 (" + std::string(40, 'L') +
         "...): duration 0, but a stage that is entered lasts at least one time unit. It is incorrect."},
    {"fractional_larval_duration", cohortFile(FourStages, {"1,F,1,2.5,1,1,-1,-1,-1,-1"}),
     "Individual no.1, stage 2 (Larva): duration 2.5 is not a whole number of time units. "
     "It is incorrect."},
    {"fractional_death_stage", cohortFile(FourStages, {"1,N,1,-2.5,-1,-1"}),
     "Individual no.1, stage 2 (Larva): duration -2.5 is not a whole number of time units. "
     "It is incorrect."},
    {"fractional_adult_duration", cohortFile(FourStages, {"1,F,1,1,1,1.5,-1,-1,-1,-1"}),
     "Individual no.1, stage 4 (Adult): duration 1.5 is not a whole number of time units. "
     "It is incorrect."},
    {"N_individual_under_a_header_of_F_and_M",
     cohortFile(FourStages, {"1,F,1,1,1,1,-1,-1,-1,-1", "2,N,1,-1,-1,-1"}, 2),
     "Individual no.2 is type N, but no sex line of the header is N. It is incorrect."},
    {"header_listing_F_twice",
     "P\r\nU\r\nD\r\n1\r\n3,2\r\nF,Egg,Female\r\nM,Egg,Male\r\nF,Egg,Adult\r\nEgg,Female\r\n"
     "1,F,1,1,-1,-1\r\n",
     "Sex line 3 of the header repeats the sex F of sex line 1. It is incorrect."},
};

class CheckData2005Refusals : public ::testing::TestWithParam<RefusalCase> {};
TEST_P(CheckData2005Refusals, ShowTheMessageAndEndTheProgram) { expectRefusal(&CheckData2005, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Common, CheckData2005Refusals, ::testing::ValuesIn(CommonFaults),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(OpenOnly, CheckData2005Refusals, ::testing::ValuesIn(OpenOnlyFaults),
                         [](const auto& info) { return std::string(info.param.name); });

class CheckDatafileRefusals : public ::testing::TestWithParam<RefusalCase> {};
TEST_P(CheckDatafileRefusals, ShowTheMessageAndEndTheProgram) { expectRefusal(&CheckDatafile, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Common, CheckDatafileRefusals, ::testing::ValuesIn(CommonFaults),
                         [](const auto& info) { return std::string(info.param.name); });

struct ValidCase {
  const char* name;
  std::string content;
};

void PrintTo(const ValidCase& c, std::ostream* out) { *out << c.name; }

const std::vector<ValidCase> ValidFiles = {
    {"three_individual_example", testing::readFile(testing::fixturePath("three_individuals.txt"))},
    {"five_individuals", testing::readFile(testing::fixturePath("five_individuals.txt"))},
    // Every stage carries all its d values, then the closing -1.
    {"stages_with_all_their_values", cohortFile(FourStages, {"1,F,1,2,1,2,3,-1,4,5,-1,6,-1,7,8,-1",
                                                             "2,N,2,-2,1,1,-1,2,2,-1"})},
    {"death_in_the_first_stage_closed_early", cohortFile(FourStages, {"1,N,-3,4,-1"})},
    {"records_over_several_lines_and_two_on_one",
     "P\r\nU\r\nD\r\n3\r\n3,4\r\nF,Egg,Larva,Pupa,Adult\r\nM,Egg,Larva,Pupa,Adult\r\n"
     "N,Egg,Larva,Pupa,Adult\r\nLarva,Pupa\r\n1,M,1,1,\r\n1,1,-1,\r\n-1,-1,2,-1\r\n"
     "2,N,-1,0,-1,3,F,1,1,1,1,-1,-1,-1,-1\r\n"},
    {"two_stages_two_sexes", cohortFile({"Nymph", "Adult"}, {"1,F,3,2,1,2,3,-1,4,4,-1", "2,M,2,1,-1,5,-1"}, 2)},
    {"fields_of_4096_bytes",
     cohortFile({"Egg", std::string(4096, 'L'), "Adult"}, {"1,F,1,1,1," + std::string(4095, '0') + "3,-1,-1,-1"})},
};

class ValidFile : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidFile, PassesBothChecksAndReadsWithoutError) {
  CheckSession s(GetParam().content);
  EXPECT_TRUE(runHandler(s.state, s.platform, [&] {
    CheckData2005(s.state, s.platform);
    CheckDatafile(s.state, s.platform);
    InputData(s.state, s.platform);
  }));
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].title, "Check data file");
  EXPECT_EQ(s.script.messages()[0].text, "It looks OK.");
  EXPECT_EQ(s.script.endProgramCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(Files, ValidFile, ::testing::ValuesIn(ValidFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckData2005, AFieldOfFiveMegabytesIsRefusedAtOnce) {
  // Copying and converting such a field took seconds; refused by its length,
  // the file costs no more than one pass over its bytes.
  CheckSession s(cohortFile(FourStages, {"1,F,1,1,1,1," + std::string(5'000'000, '0') + "3,-1,-1,-1,-1"}));
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_FALSE(runHandler(s.state, s.platform, [&] { CheckData2005(s.state, s.platform); }));
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(2));
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_NE(s.script.messages()[0].text.find("line 10 of the file is longer than 4096 bytes"), std::string::npos);
}

TEST(CheckDatafile, LeavesTheFaultsOfTheCheckAtOpenToIt) {
  // A female dying as a pupa, a negative daily value: both stages close with
  // -1 before their last day.
  for (const char* record : {"1,F,2,3,-4,-1,-1,-1", "1,F,2,3,1,1,-1,5,-2,-1,-1,-1"}) {
    SCOPED_TRACE(record);
    CheckSession s(cohortFile(FourStages, {record}));
    CheckDatafile(s.state, s.platform);
    ASSERT_EQ(s.script.messages().size(), 1u);
    EXPECT_EQ(s.script.messages()[0].text, "It looks OK.");
  }
}

TEST(CheckDatafile, BeforeAnyFileWasOpenedAsksForOne) {
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  EXPECT_TRUE(runHandler(state, platform, [&] { CheckDatafile(state, platform); }));
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Check data file");
  EXPECT_EQ(script.messages()[0].text, "Open a data file first.");
  EXPECT_EQ(script.endProgramCalls, 0);
}

TEST(DataFileChecks, ChangeNothingThatTheAnalysisReads) {
  // After a Basic Run the stage names of row 1 are cut and the cohort is read.
  CheckSession s(testing::readFile(testing::fixturePath("three_individuals.txt")));
  InputData(s.state, s.platform);
  s.state.header.StageName(1, 4) = "Fema";
  s.state.header.StageName(1, 5) = "Male";
  s.state.header.MaxAgeRead = 99;
  s.state.cohort.StageDuration(2, 1) = 42;
  s.state.cohort.DailyConsumption(3, 0) = 42;
  s.state.cohort.Sex(1) = "X";

  CheckDatafile(s.state, s.platform);
  CheckData2005(s.state, s.platform);

  EXPECT_EQ(s.state.header.StageName(1, 4), "Fema");
  EXPECT_EQ(s.state.header.StageName(1, 5), "Male");
  EXPECT_EQ(s.state.header.MaxAgeRead, 99);
  EXPECT_EQ(s.state.cohort.StageDuration(2, 1), 42);
  EXPECT_EQ(s.state.cohort.DailyConsumption(3, 0), 42);
  EXPECT_EQ(s.state.cohort.Sex(1), "X");
  EXPECT_EQ(s.state.header.NumIndividuals, 3);
}

TEST(CheckData2005, ChecksAtOpenLeaveTheCohortUnread) {
  CheckSession s(testing::readFile(testing::fixturePath("three_individuals.txt")));
  CheckData2005(s.state, s.platform);
  EXPECT_EQ(s.state.header.NumIndividuals, 0);
  EXPECT_EQ(s.state.header.ProjectName, "");
  EXPECT_EQ(s.state.header.MaxAgeRead, 0);
  EXPECT_TRUE(s.script.boxes.empty());
}

}  // namespace
}  // namespace vorelan
