// Where the closing text stands: it never covers a result on the chart.
#include "results/closing_view.h"

#include <gtest/gtest.h>

#include "guidance/program_texts.h"

namespace vorelan {
namespace {

TEST(ClosingView, TheGreetingComesBackOnlyOverAnEmptyChart) {
  const struct {
    const char* basicRunDone;
    const char* resamplingDone;
    bool greetingOverChart;
  } cases[] = {
      {"", "", true},          // nothing drawn yet
      {"yes", "", false},      // the Basic Run's figure
      {"yes", "yes", false},   // the histogram of C0
  };
  for (const auto& c : cases) {
    AnalysisState state;
    state.run.BasicRunDone = c.basicRunDone;
    state.run.ResamplingDone = c.resamplingDone;
    state.run.ResampleMethod = "b";
    const ClosingView view = closingView(state);
    EXPECT_EQ(view.greetingOverChart, c.greetingOverChart) << c.basicRunDone << "/" << c.resamplingDone;
    EXPECT_EQ(view.text, closingText());
  }
  EXPECT_TRUE(closingText().starts_with("Congratulation!\nYour data were analyzed successfully. If you want to run"
                                        " this program once again, just quit and restart it.\n"));
}

}  // namespace
}  // namespace vorelan
