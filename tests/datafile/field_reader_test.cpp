#include "datafile/field_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "support/temp_dir.h"

namespace vorelan {
namespace {

std::vector<std::string> allFields(const std::string& content) {
  FieldReader reader(content);
  std::vector<std::string> fields;
  while (auto field = reader.next()) fields.push_back(field->text);
  return fields;
}

struct FieldCase {
  const char* name;
  std::string content;
  std::vector<std::string> fields;
};

void PrintTo(const FieldCase& c, std::ostream* out) { *out << c.name; }

class FieldReaderCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldReaderCases, ReadsTheFields) { EXPECT_EQ(allFields(GetParam().content), GetParam().fields); }

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldReaderCases,
    ::testing::Values(
        FieldCase{"comma_and_line_end", "1,M\n2,F\n", {"1", "M", "2", "F"}},
        FieldCase{"blanks_before_a_field", " 1,M\nL1, L4\n", {"1", "M", "L1", "L4"}},
        FieldCase{"blanks_after_a_field", "L1 ,L4  \n", {"L1", "L4"}},
        FieldCase{"quoted_text_holds_commas", "\"Mites, 2015\",Observer\n", {"Mites, 2015", "Observer"}},
        FieldCase{"quoted_text_keeps_blanks", "\" a b \"\n", {" a b "}},
        FieldCase{"crlf_line_ends", "1,M\r\n2,F\r\n", {"1", "M", "2", "F"}},
        FieldCase{"byte_order_mark", "\xEF\xBB\xBFProject\nUser\n", {"Project", "User"}},
        FieldCase{"empty_lines_between_fields", "1\n\n\r\n2\n", {"1", "2"}},
        FieldCase{"record_over_several_lines", "1,M,\n2,3\n", {"1", "M", "2", "3"}},
        FieldCase{"two_records_on_a_line", "1,M,-1,2,F,-1\n", {"1", "M", "-1", "2", "F", "-1"}},
        FieldCase{"empty_field_between_commas", "1,,2\n", {"1", "", "2"}},
        FieldCase{"no_line_end_at_file_end", "1,2", {"1", "2"}},
        FieldCase{"empty_file", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
  const char* text;
  std::optional<double> value;
};

TEST(FieldReader, AFieldBeyond4096BytesIsMarkedAndNotKept) {
  const std::string longest(MaxFieldBytes, 'a');
  const std::string tooLong(MaxFieldBytes + 1, 'b');
  FieldReader reader(longest + "," + tooLong + "\n\"" + tooLong + "\"," + longest + "  \n");
  const std::vector<std::pair<std::string, bool>> expected = {
      {longest, false}, {"", true}, {"", true}, {longest, false}};
  for (const auto& [text, marked] : expected) {
    const auto field = reader.next();
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text, text);
    EXPECT_EQ(field->tooLong, marked);
  }
  EXPECT_FALSE(reader.next());
}

TEST(FieldReader, NamesTheLineOfTheLastField) {
  // "\r\n", "\n" and a lone "\r" end one line each; empty lines count.
  FieldReader reader("a,b\r\nc\n\n d\re,\r\n\"f\ng\",h");
  const std::vector<std::pair<std::string, std::size_t>> expected = {
      {"a", 1}, {"b", 1}, {"c", 2}, {"d", 4}, {"e", 5}, {"f\ng", 6}, {"h", 7}};
  for (const auto& [text, line] : expected) {
    const auto field = reader.next();
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text, text);
    EXPECT_EQ(reader.lineOfLastField(), line) << text;
  }
}

TEST(ParseNumber, AcceptsDecimalNumbersOnly) {
  const std::vector<NumberCase> cases = {
      {"3", 3},       {"-1", -1},     {"+2", 2},     {"0.5", 0.5}, {".25", 0.25},
      {"5.", 5},      {"1e2", 100},   {"-1.5E-1", -0.15},
      {"", std::nullopt}, {"abc", std::nullopt}, {"1,5", std::nullopt}, {"1e", std::nullopt},
      {"-", std::nullopt}, {"1 2", std::nullopt}, {"nan", std::nullopt}, {"1e999", std::nullopt}};
  for (const auto& c : cases) {
    EXPECT_EQ(parseNumber(c.text), c.value) << "text \"" << c.text << "\"";
  }
}

// Texts at the edges of the quick path for short decimals and of the full
// reading: each gives the double its literal gives, bit for bit (the sign of
// zero included), or is refused.
TEST(ParseNumber, ReadsAwkwardTextsBitForBit) {
  const std::vector<NumberCase> cases = {
      {"-0", -0.0},
      {"+0", 0.0},
      {"-0.000", -0.0},
      {".5", 0.5},
      {"-.5", -0.5},
      {"+.5", 0.5},
      {"5.", 5.0},
      {"+5.", 5.0},
      {"123456789012345", 123456789012345.0},
      {"1234567890123456", 1234567890123456.0},
      {"9007199254740993", 9007199254740992.0},
      {"0.000000000000001", 1e-15},
      {"0.1234567890123456", 0.1234567890123456},
      {"99999999999999.9", 99999999999999.9},
      {"000000000000000000001", 1.0},
      {"1e308", 1e308},
      {"-1.7976931348623157e308", -1.7976931348623157e308},
      {"4.9e-324", 4.9e-324},
      {"1E+2", 100.0},
      {"1e309", std::nullopt},
      {"-1e309", std::nullopt},
      {"+", std::nullopt},
      {".", std::nullopt},
      {"-.", std::nullopt},
      {"1.2.3", std::nullopt},
      {"..5", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"1e+", std::nullopt},
      {"e5", std::nullopt},
      {".e5", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"0x10", std::nullopt},
      {"1/2", std::nullopt},
      {"inf", std::nullopt}};
  for (const auto& c : cases) {
    const auto got = parseNumber(c.text);
    ASSERT_EQ(got.has_value(), c.value.has_value()) << "text \"" << c.text << "\"";
    if (got) {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(*c.value))
          << "text \"" << c.text << "\"";
    }
  }
  // A text with a zero byte inside is no number, though it reads as one up to it.
  EXPECT_FALSE(parseNumber(std::string_view("12\0", 3)));
}

// Numbers of up to 17 digits with and without a point, read as strtod reads
// them: correctly rounded to the nearest double, sign and zero included.
TEST(ParseNumber, ReadsEveryDecimalAsTheNearestDouble) {
  std::mt19937_64 rng(11);
  std::uniform_int_distribution<int> length(1, 17);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int i = 0; i < 100000; ++i) {
    std::string text = i % 2 == 0 ? "" : "-";
    const int digits = length(rng);
    const int point = std::uniform_int_distribution<int>(0, digits)(rng);
    for (int d = 0; d < digits; ++d) {
      if (d == point && i % 3 != 0) text += '.';
      text += static_cast<char>('0' + digit(rng));
    }
    const double want = std::strtod(text.c_str(), nullptr);
    const auto got = parseNumber(text);
    ASSERT_TRUE(got.has_value()) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(want)) << text;
  }
}

// The reading of a whole file gives its bytes as they are, whatever its size
// against the buffer it is read into.
TEST(ReadFileBytes, GivesEveryByteOfTheFile) {
  const testing::TempDir folder;
  std::mt19937 rng(5);
  for (const std::size_t size : {0u, 1u, 4095u, 4096u, 4097u, 300001u}) {
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    const auto read = readFileBytes(folder.write("f" + std::to_string(size), bytes));
    ASSERT_TRUE(read) << size;
    EXPECT_TRUE(*read == bytes) << size;
  }
  // A device is no file: even one that would end at once is refused.
  EXPECT_EQ(readFileBytesWithCause("/dev/null").error, DeviceNotFile);
}

TEST(ReadFileBytes, GivesNothingForAFolderOrAMissingFile) {
  const testing::TempDir folder;
  EXPECT_FALSE(readFileBytes(folder.path().string()));
  EXPECT_FALSE(readFileBytes((folder.path() / "missing.txt").string()));
}

}  // namespace
}  // namespace vorelan
