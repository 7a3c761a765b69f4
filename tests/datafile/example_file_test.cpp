#include <gtest/gtest.h>

#include "datafile/data_file_checks.h"
#include "datafile/raw_data_reader.h"
#include "support/scripted_platform.h"

namespace vorelan {
namespace {

// The example shipped for new users must open without a complaint.
TEST(ExampleDataFile, PassesTheCheckAtOpenAndReads) {
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = std::string(VORELAN_EXAMPLES_DIR) + "/predatory_mite.txt";
  CheckData2005(state, platform);
  InputData(state, platform);
  EXPECT_TRUE(script.boxes.empty());
  EXPECT_EQ(state.header.NumIndividuals, 60);
  EXPECT_EQ(state.header.NumStages, 5);
}

}  // namespace
}  // namespace vorelan
