#include "report/output_file_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/test_name.h"

namespace vorelan {
namespace {

struct SafeNameCase {
  const char* what;
  std::string name;
  std::string expected;
};

void PrintTo(const SafeNameCase& c, std::ostream* os) { *os << c.what; }

class FileNameSafe : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(FileNameSafe, ReplacesWhatAFileNameCannotHold) {
  EXPECT_EQ(fileNameSafe(GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameSafe,
    ::testing::Values(SafeNameCase{"Letters", "Larv", "Larv"}, SafeNameCase{"Blank", "All sexes", "All sexes"},
                      SafeNameCase{"DashAndPoint", "L-1.2", "L-1.2"}, SafeNameCase{"PointsAndSlash", "../x", ".._x"},
                      SafeNameCase{"SlashAndBackslash", "a/b\\c", "a_b_c"}, SafeNameCase{"Colon", "C:", "C_"},
                      SafeNameCase{"WildcardsQuoteAnglesAndBar", "*?\"<>|", "______"},
                      SafeNameCase{"TabAndLineEnds", "a\tb\rc\n", "a_b_c_"},
                      SafeNameCase{"ControlCharacters", std::string("e\x01g\x7F", 4), "e_g_"},
                      SafeNameCase{"LetterOutsideAscii", "\xC3\x84gg", "\xC3\x84gg"},
                      SafeNameCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.what); });

struct StagePartsCase {
  const char* what;
  std::vector<StageNamePart> stages;
  std::vector<std::string> expected;
};

void PrintTo(const StagePartsCase& c, std::ostream* os) { *os << c.what; }

class DistinctStageParts : public ::testing::TestWithParam<StagePartsCase> {};

TEST_P(DistinctStageParts, NumbersOnlyNamesThatWouldNameTheSameFile) {
  EXPECT_EQ(distinctStageParts(GetParam().stages), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Families, DistinctStageParts,
    ::testing::Values(StagePartsCase{"ordinary names stay as they are",
                                     {{1, "Egg"}, {2, "Larv"}, {3, "Prot"}, {4, "Adult"}},
                                     {"Egg", "Larv", "Prot", "Adult"}},
                      StagePartsCase{"two instars cut to four characters",
                                     {{1, "Egg"}, {2, "Inst"}, {3, "Inst"}, {4, "Adult"}},
                                     {"Egg", "Inst2", "Inst3", "Adult"}},
                      StagePartsCase{"three alike among others",
                                     {{1, "Nymp"}, {2, "Egg"}, {3, "Nymp"}, {4, "Nymp"}},
                                     {"Nymp1", "Egg", "Nymp3", "Nymp4"}},
                      StagePartsCase{"names made alike by the replacement",
                                     {{1, "a/b"}, {2, "a:b"}, {3, "a_c"}},
                                     {"a_b1", "a_b2", "a_c"}},
                      StagePartsCase{"names alike but for the letter case",
                                     {{1, "Egg"}, {2, "EGG"}, {3, "Larv"}},
                                     {"Egg1", "EGG2", "Larv"}},
                      StagePartsCase{"a numbered name meets a name as given",
                                     {{1, "Ab"}, {2, "Ab1"}, {3, "Ab"}},
                                     {"Ab1", "Ab12", "Ab3"}},
                      StagePartsCase{"two numbered names meet",
                                     {{1, "Ab1"}, {2, "Ab1"}, {11, "Ab"}, {12, "Ab"}},
                                     {"Ab1_1", "Ab1_2", "Ab_11", "Ab_12"}},
                      StagePartsCase{"a single stage", {{5, "Adult"}}, {"Adult"}},
                      StagePartsCase{"no stage", {}, {}}),
    [](const auto& info) { return testing::testNameOfText(info.param.what); });

}  // namespace
}  // namespace vorelan
