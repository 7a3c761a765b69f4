#include "report/output_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "report/file_failure.h"
#include "report/print_record.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;
using testing::TempDir;

TEST(OutputFile, AFileThatCannotBeBegunIsNotedOnceWithItsReason) {
  TempDir dir;
  OpenFiles files;
  TextOutputFile file;
  const std::string path = (dir.path() / "no such folder" / "out.txt").string();

  EXPECT_FALSE(openOutputFile(file, path, files));
  EXPECT_FALSE(closeOutputFile(file, files));  // noted once, not again at closing
  ASSERT_EQ(files.unwritten.size(), 1u);
  EXPECT_EQ(files.unwritten[0].path, path);
  EXPECT_EQ(files.unwritten[0].error, ENOENT);
}

TEST(OutputFile, AFileThatCannotBeWrittenIsNotedAtClosingAndTheEarlierOneStays) {
  TempDir dir;
  OpenFiles files;
  files.writeFault = [](const std::string&, std::uintmax_t, std::size_t& size) {
    size = 0;
    return ENOSPC;
  };
  const std::string path = dir.write("out.txt", "earlier");
  TextOutputFile file;
  ASSERT_TRUE(openOutputFile(file, path, files));
  for (int i = 0; i < 2000; ++i) printTo(file).text("a line of the report").endLine();

  EXPECT_FALSE(closeOutputFile(file, files));
  ASSERT_EQ(files.unwritten.size(), 1u);
  EXPECT_EQ(files.unwritten[0].error, ENOSPC);
  EXPECT_EQ(testing::readFile(path), "earlier");
}

TEST(OutputFile, AWrittenFileReplacesTheOldOneSilently) {
  TempDir dir;
  OpenFiles files;
  const std::string path = dir.write("out.txt", "old content that is longer");
  TextOutputFile file;
  ASSERT_TRUE(openOutputFile(file, path, files));
  printTo(file).text("new").endLine();

  EXPECT_TRUE(closeOutputFile(file, files));
  EXPECT_TRUE(closeOutputFile(file, files));  // closing again is harmless
  EXPECT_EQ(testing::readFile(path), "new\r\n");
  EXPECT_TRUE(files.unwritten.empty());
}

// ---- The one message of a run ----------------------------------------------

UnwrittenFile unwritten(const std::string& name, int error = ENOSPC) { return {"/data/mites/" + name, error}; }

TEST(UnwrittenFilesMessage, NamesTheFolderTheReasonAndTheReportFirst) {
  const std::string text = unwrittenFilesMessage(
      {unwritten("c_1_Fig_Cxj.txt"), unwritten("c_2_Fig_Age_lx_Kx_qx.txt"), unwritten("c_0_Basic_Output.txt")},
      "/data/mites/c_0_Basic_Output.txt");
  EXPECT_EQ(text,
            "These files could not be written in the folder /data/mites (the disk is full):\n"
            "c_0_Basic_Output.txt\n"
            "c_1_Fig_Cxj.txt\n"
            "c_2_Fig_Age_lx_Kx_qx.txt\n"
            "\nWhere they existed before, their earlier versions were kept unchanged.");
}

TEST(UnwrittenFilesMessage, ListsTenNamesAndCountsTheRest) {
  std::vector<UnwrittenFile> files;
  for (int k = 1; k <= 35; ++k) files.push_back(unwritten("f" + std::to_string(k) + ".txt"));
  const std::string text = unwrittenFilesMessage(files, "/data/mites/f35.txt");
  EXPECT_EQ(text.find("f35.txt\nf1.txt\nf2.txt\n"), text.find(":\n") + 2) << text;
  EXPECT_NE(text.find("f9.txt\nand 25 more\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("f10.txt"), std::string::npos) << text;
}

TEST(UnwrittenFilesMessage, GivesEachReasonInTheUsersWords) {
  const struct {
    int error;
    const char* words;
  } cases[] = {{ENOSPC, "the disk is full"},
               {EACCES, "there is no permission to write there"},
               {ENOENT, "the folder does not exist"},
               {EISDIR, "a folder of that name stands in the way"}};
  for (const auto& c : cases) {
    const std::string text = unwrittenFilesMessage({unwritten("c_0_Basic_Output.txt", c.error)}, "");
    EXPECT_NE(text.find(std::string("/data/mites (") + c.words + "):\nc_0_Basic_Output.txt\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("If it existed before, its earlier version was kept unchanged."), std::string::npos);
  }
  // A file that failed for another reason than the first says its own.
  const std::string mixed =
      unwrittenFilesMessage({unwritten("a.txt", ENOSPC), unwritten("b.txt", EISDIR)}, "");
  EXPECT_NE(mixed.find("\nb.txt (a folder of that name stands in the way)\n"), std::string::npos) << mixed;
}

TEST(TellUnwrittenFiles, ShowsOneBoxAndForgetsThem) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  tellUnwrittenFiles(state, platform);
  EXPECT_TRUE(script.messages().empty());
  state.files.unwritten = {unwritten("a.txt"), unwritten("b.txt")};
  tellUnwrittenFiles(state, platform);
  tellUnwrittenFiles(state, platform);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, OutputFileErrorTitle);
  EXPECT_TRUE(state.files.unwritten.empty());
}

}  // namespace
}  // namespace vorelan
