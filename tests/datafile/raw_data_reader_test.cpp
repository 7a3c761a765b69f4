#include "datafile/raw_data_reader.h"

#include <gtest/gtest.h>

#include "platform/program_termination.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::cohortFile;
using testing::ScriptedPlatform;

const std::vector<std::string> FourStages = {"Egg", "Larva", "Pupa", "Adult"};

AnalysisState readCohort(const std::string& content, ScriptedPlatform& script) {
  AnalysisState state;
  FieldReader reader(content);
  Platform platform = script.platform();
  InputDataA(state, reader, platform);
  return state;
}

TEST(InputData, ReadsTheThreeIndividualExample) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = testing::fixturePath("three_individuals.txt");
  InputData(state, platform);

  EXPECT_EQ(state.header.ProjectName, "Example project");
  EXPECT_EQ(state.header.NumIndividuals, 3);
  EXPECT_EQ(state.header.NumIndividualsInFile, 3);
  EXPECT_EQ(state.header.StageName(3, 4), "Unknown");
  EXPECT_EQ(state.header.SpanStageName(2), "Pupa");

  const std::vector<double> days1 = {0, 0, 2, 5, 5, 0, 0, 0, 0, 0, 0, 4, 3};
  for (std::size_t x = 0; x < days1.size(); ++x) {
    EXPECT_EQ(state.cohort.DailyConsumption(1, x), days1[x]) << "age " << x;
  }
  EXPECT_EQ(state.cohort.DailyConsumption(1, 13), 0);  // entry at the last age + 1 is not written
  EXPECT_EQ(state.cohort.DailyConsumption(1, 14), -1);
  // The male's adult values go to the male adult column of T(x,j), but stay
  // in stage K of its stage consumption.
  EXPECT_EQ(state.cohort.Txj(11, 5), 4);
  EXPECT_EQ(state.cohort.Txj(12, 5), 3);
  EXPECT_EQ(state.cohort.StageConsumption(1, 4), 7);
  // The female's adult values (ages 11 to 13) go to column K in both.
  EXPECT_EQ(state.cohort.StageConsumption(2, 4), 14);
  EXPECT_EQ(state.cohort.Txj(11, 4), 5);
  EXPECT_EQ(state.cohort.Txj(13, 4), 4);
  EXPECT_EQ(state.cohort.Txj(13, 5), 0);
  // Individual 3 died as a pupa after 9 time units.
  EXPECT_EQ(state.cohort.StageDuration(3, 3), -4);
  EXPECT_EQ(state.cohort.DailyConsumption(3, 10), -1);
  EXPECT_EQ(state.header.MaxAgeRead, 14);
  EXPECT_TRUE(script.boxes.empty());
}

TEST(InputDataA, StageClosingRules) {
  // Egg 2 closed by a lone -1; larva 3 with all 3 values then -1; pupa 0 with
  // one value; adult 2 with 3 values and no -1 spans 3 time units.
  ScriptedPlatform script;
  const auto state = readCohort(
      cohortFile(FourStages, {"1,F,2,3,0,2,-1,1,2,3,-1,7,4,-2,6"}), script);
  const std::vector<double> days = {0, 0, 1, 2, 3, 7, 4, -2, 6};
  for (std::size_t x = 0; x < days.size(); ++x) {
    EXPECT_EQ(state.cohort.DailyConsumption(1, x), days[x]) << "age " << x;
  }
  EXPECT_EQ(state.cohort.DailyConsumption(1, 10), -1);
  EXPECT_EQ(state.cohort.StageConsumption(1, 3), 7);
  EXPECT_EQ(state.cohort.StageConsumption(1, 4), 8);
  EXPECT_EQ(state.header.MaxAgeRead, 9);
}

TEST(InputDataA, DaysFilledInAfterAClosingMinusOneDoNotRaiseMaxAgeRead) {
  ScriptedPlatform script;
  const auto state = readCohort(cohortFile(FourStages, {"1,F,1,1,1,3,-1,-1,-1,5,-1"}), script);
  EXPECT_EQ(state.header.MaxAgeRead, 4);
  EXPECT_EQ(state.cohort.DailyConsumption(1, 7), -1);
}

TEST(InputDataA, ADeathStageWithoutItsMinusOneDoesNotRaiseMaxAgeRead) {
  // The check at Open refuses such a record; the reader alone takes it. The
  // first three stages close with -1 at ages 0, 1 and 2; the adult dies
  // after 2 units and gives 3 values without -1 (ages 3-5), which do not count.
  ScriptedPlatform script;
  const auto state = readCohort(cohortFile(FourStages, {"1,F,1,1,1,-2,-1,-1,-1,4,5,6"}), script);
  EXPECT_EQ(state.header.MaxAgeRead, 2);
  EXPECT_EQ(state.cohort.DailyConsumption(1, 5), 6);
  EXPECT_EQ(state.cohort.DailyConsumption(1, 7), -1);
}

TEST(InputDataA, FieldsAfterTheLastRecordAreIgnored) {
  ScriptedPlatform script;
  const auto state =
      readCohort(cohortFile(FourStages, {"1,N,1,-1,-1,-1"}) + "garbage,,\"x\nmore\n", script);
  EXPECT_EQ(state.header.NumIndividuals, 1);
  EXPECT_TRUE(script.boxes.empty());
}

struct RefusalCase {
  const char* name;
  std::string content;
  std::string firstLine;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class InputDataRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(InputDataRefusals, ShowTheMessageAndEndTheProgram) {
  ScriptedPlatform script;
  EXPECT_THROW(readCohort(GetParam().content, script), ProgramTermination);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Error in data file");
  EXPECT_EQ(script.messages()[0].text,
            GetParam().firstLine + "\nPlease correct your data and rerun this program.");
}

std::string withCounts(const std::string& n, const std::string& sexesAndStages) {
  return "P\r\nU\r\nD\r\n" + n + "\r\n" + sexesAndStages + "\r\nF,E,A\r\nE,A\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Records, InputDataRefusals,
    ::testing::Values(
        RefusalCase{"first_serial_number_2", cohortFile(FourStages, {"2,F,1,1,1,1,-1,-1,-1,-1"}),
                    "Check data of individual no. 0 or 1"},
        RefusalCase{"lower_case_sex_letter",
                    cohortFile(FourStages, {"1,F,1,1,1,1,-1,-1,-1,-1", "2,f,1,1,1,1,-1,-1,-1,-1"}),
                    "Check data of individual no. 1 or 2"},
        RefusalCase{"N_record_reaching_the_adult_stage",
                    cohortFile(FourStages, {"1,N,1,1,1,1,-1,-1,-1,-1"}),
                    "Check data of individual no. 0 or 1"},
        RefusalCase{"serial_number_beyond_16_bits", cohortFile(FourStages, {"40000,F,1,-1,-1"}),
                    "In the serial number of individual no.1, 40000 is out of range: it must be a "
                    "whole number up to 32767."},
        RefusalCase{"duration_not_a_number", cohortFile(FourStages, {"1,F,1,x,1,1,-1,-1,-1,-1"}),
                    "In the duration of stage 2 of individual no.1, \"x\" is not a number."},
        RefusalCase{"daily_value_not_a_number", cohortFile(FourStages, {"1,F,1,1,1,1,a,-1,-1,-1"}),
                    "In the daily values of stage 1 of individual no.1, \"a\" is not a number."},
        RefusalCase{"file_ends_inside_a_record", cohortFile(FourStages, {"1,F,1,1,1,1,-1,-1"}),
                    "The data file ends before the daily values of stage 3 of individual no.1."},
        RefusalCase{"daily_value_beyond_the_largest_accepted",
                    cohortFile(FourStages, {"1,F,1,1,1,1,1e308,-1,-1,-1"}),
                    "In the daily values of stage 1 of individual no.1, 1e308 is out of range: a daily "
                    "value must lie within -1000000000000 and 1000000000000."},
        RefusalCase{"negative_daily_value_beyond_the_largest_accepted",
                    cohortFile(FourStages, {"1,F,1,2,1,1,-1,3,-2e12,-1,-1"}),
                    "In the daily values of stage 2 of individual no.1, -2e12 is out of range: a daily "
                    "value must lie within -1000000000000 and 1000000000000."},
        RefusalCase{"duration_of_1e308", cohortFile(FourStages, {"1,F,1,1e308,1,1,-1,-1,-1,-1"}),
                    "The stage durations of individual no.1 add up to 1e+308 time units; a life can "
                    "last at most 404."},
        RefusalCase{"file_ending_inside_a_quoted_stage_name",
                    "P\r\nU\r\nD\r\n1\r\n1,2\r\nF,\"Egg,Female\r\nEgg,Female\r\n1,F,1,1,-1,-1\r\n",
                    "The data file ends inside the quoted text of the name of stage 1 of sex line 1."},
        RefusalCase{"file_ending_inside_a_quoted_project_name", "\"Mites, 2015\r\n",
                    "The data file ends inside the quoted text of the project name."},
        RefusalCase{"long_binary_field_shown_cut_short",
                    cohortFile(FourStages, {"1,F,1,1,1,1,-1," + std::string("\x01\x02") + std::string(1000, 'x') + ",-1,-1"}),
                    "In the daily values of stage 2 of individual no.1, \"??" + std::string(38, 'x') +
                        "...\" is not a number."},
        RefusalCase{"life_beyond_404_time_units", cohortFile(FourStages, {"1,F,100,100,100,105,-1"}),
                    "The stage durations of individual no.1 add up to 405 time units; a life can "
                    "last at most 404."},
        RefusalCase{"no_individuals", withCounts("0", "1,2"),
                    "In the number of individuals, 0 is out of range: it must be 1 to 400."},
        RefusalCase{"too_many_individuals", withCounts("401", "1,2"),
                    "In the number of individuals, 401 is out of range: it must be 1 to 400."},
        RefusalCase{"fractional_count", withCounts("2.5", "1,2"),
                    "In the number of individuals, \"2.5\" is not a whole number."},
        RefusalCase{"four_sex_lines", withCounts("1", "4,2"),
                    "In the number of sexes, 4 is out of range: it must be 1 to 3."},
        RefusalCase{"one_stage", withCounts("1", "1,1"),
                    "In the number of stages, 1 is out of range: it must be 2 to 11."},
        RefusalCase{"twelve_stages", withCounts("1", "1,12"),
                    "In the number of stages, 12 is out of range: it must be 2 to 11."},
        RefusalCase{"empty_file", "", "The data file ends before the project name."},
        // Written as UTF-16: every other byte is 0, so the fields fall apart.
        RefusalCase{"file_in_utf16",
                    std::string("\xFF\xFEP\0\r\0\n\0U\0\r\0\n\0D\0\r\0\n\0" "3\0\r\0\n\0", 26),
                    "In the number of individuals, \"?\" is not a whole number."},
        RefusalCase{"header_ends_early", "P\r\nU\r\n", "The data file ends before the date of the experiment."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputDataA, ALifeOfExactly404TimeUnitsIsRead) {
  ScriptedPlatform script;
  const auto state = readCohort(cohortFile(FourStages, {"1,F,100,100,100,104,-1,-1,-1,-1"}), script);
  EXPECT_EQ(state.cohort.DailyConsumption(1, 405), -1);
  EXPECT_TRUE(script.boxes.empty());
}

TEST(InputDataA, DaysBeyondTheLimitFromStagesWithoutClosingMinusOneAreRefused) {
  // Each stage read to d+1 values spans one unit more than its duration.
  std::string record = "1,F,101,101,101,101";
  for (int k = 0; k < 410; ++k) record += ",1";
  ScriptedPlatform script;
  EXPECT_THROW(readCohort(cohortFile(FourStages, {record}), script), ProgramTermination);
  ASSERT_EQ(script.messages().size(), 1u);
  // Stage 4 begins at age 306 and reaches 404 on its 99th value.
  EXPECT_EQ(script.messages()[0].text,
            "The daily values of stage 4 of individual no.1 run beyond 404 time units.\n"
            "Please correct your data and rerun this program.");
}

TEST(InputData, AFileThatCannotBeOpenedIsRefused) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = "/nonexistent/folder/cohort.txt";
  EXPECT_THROW(InputData(state, platform), ProgramTermination);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Error in data file");
}

TEST(InputData, AFolderInPlaceOfTheDataFileCannotBeOpened) {
  testing::TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = dir.path().string();
  EXPECT_THROW(InputData(state, platform), ProgramTermination);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].text, "The data file " + dir.path().string() +
                                           " cannot be opened: it is a folder, not a file.\n"
                                           "Please correct your data and rerun this program.");
}

}  // namespace
}  // namespace vorelan
