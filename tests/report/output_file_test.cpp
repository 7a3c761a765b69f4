#include "report/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "report/print_record.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;
using testing::TempDir;

TEST(OutputFile, AFileThatCannotBeCreatedIsToldByName) {
  TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  TextOutputFile file;
  const std::string path = (dir.path() / "no such folder" / "out.txt").string();

  EXPECT_FALSE(openOutputFile(file, path, platform));
  EXPECT_FALSE(closeOutputFile(file, platform));
  ASSERT_EQ(script.messages().size(), 1u);  // told once, not again at closing
  EXPECT_EQ(script.messages()[0].title, "Error in output file");
  EXPECT_NE(script.messages()[0].text.find(path), std::string::npos);
}

TEST(OutputFile, AFileThatCannotBeWrittenIsToldAtClosing) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScriptedPlatform script;
  Platform platform = script.platform();
  TextOutputFile file;
  ASSERT_TRUE(openOutputFile(file, "/dev/full", platform));
  for (int i = 0; i < 2000; ++i) printTo(file).text("a line of the report").endLine();

  EXPECT_FALSE(closeOutputFile(file, platform));
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Error in output file");
  EXPECT_NE(script.messages()[0].text.find("/dev/full"), std::string::npos);
}

TEST(OutputFile, AWrittenFileReplacesTheOldOneSilently) {
  TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  const std::string path = dir.write("out.txt", "old content that is longer");
  TextOutputFile file;
  ASSERT_TRUE(openOutputFile(file, path, platform));
  printTo(file).text("new").endLine();

  EXPECT_TRUE(closeOutputFile(file, platform));
  EXPECT_TRUE(closeOutputFile(file, platform));  // closing again is harmless
  EXPECT_EQ(testing::readFile(path), "new\r\n");
  EXPECT_TRUE(script.messages().empty());
}

}  // namespace
}  // namespace vorelan
