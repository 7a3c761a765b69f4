// Read SASD on fuzzed bytes, after the Basic Run of a small cohort: a
// refused file is named in the one "Error in SASD file" box and changes
// nothing; an accepted one gives finite rates, and neither its result file
// nor the two report tables of the distribution show inf or nan.
#include <cmath>
#include <filesystem>

#include "fuzz_session.h"
#include "predation/finite_predation_rate_file.h"
#include "predation/sasd_tables.h"
#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "runs/read_sasd.h"
#include "support/fixture_path.h"

namespace {
using namespace vorelan;

// The five predators after their Basic Run, made once in a folder of their
// own; every input starts from them with the predation state cleared.
AnalysisState& cohortAfterBasicRun() {
  static AnalysisState state;
  static const bool ran = [] {
    const testing::TempDir dir;
    const auto dataFile = dir.path() / "cohort.txt";
    std::filesystem::copy_file(testing::fixturePath("five_predators.txt"), dataFile);
    testing::ScriptedPlatform script;
    script.inputAnswers = {"1"};
    script.chosenFiles = {dataFile.string()};
    Platform platform = script.platform();
    return runHandler(state, platform, [&] {
      if (OpenDataFile(state, platform)) BasicRun(state, platform);
    });
  }();
  if (!ran || state.run.BasicRunDone != "yes") fuzzing::brokenRule("the Basic Run of the fixture did not finish");
  return state;
}

bool allFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

void requireFiniteRates(const PredationState& p) {
  if (!allFinite({p.Lambda, p.Psi, p.Omega, p.IntrinsicPredationRate})) {
    fuzzing::brokenRule("an accepted file gave a rate that is not finite");
  }
  for (const FemalePeriodStatistics& s : p.PeriodStatistics) {
    if (!allFinite({s.Sum, s.SumSq, s.Mean, s.Variance, s.SD, s.SE})) {
      fuzzing::brokenRule("an accepted file gave a period statistic that is not finite");
    }
  }
}

// The two tables with which a resampling report begins.
void printDistributionTables(AnalysisState& state, const std::string& path) {
  if (!state.files.file3.open(path)) fuzzing::brokenRule("the report cannot be opened");
  PrintSASD(state);
  PrintProductOfSASDandCxj(state);
  state.files.file3.close();
  if (!std::isfinite(state.predation.TablePsi)) fuzzing::brokenRule("the psi of the product table is not finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzFolder& folder = fuzzing::fuzzFolder();
  const fuzzing::FuzzInput input(data, size);
  AnalysisState& state = cohortAfterBasicRun();
  state.predation = PredationState{};
  state.run.SASDRead.clear();
  state.report.PageNo = 0;
  state.report.TableNo = 0;
  state.report.BaseFileName = folder.baseFileName();

  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  script.chosenFiles = {folder.writeInputFile(input, "sasd.txt")};
  const bool read = ReadDataFileForSASD2(state, platform);
  const testing::ShownBox box = fuzzing::onlyMessage(script);
  fuzzing::requireNoNonNumberInBoxes(script, input);
  if (!read) {
    if (box.title != SasdFileErrorTitle) fuzzing::brokenRule("a refused file ended without its box: " + box.title);
    if (!state.run.SASDRead.empty() || !state.predation.SASDFileName.empty() || folder.holdsOutputs()) {
      fuzzing::brokenRule("a refused file changed the state or wrote a file");
    }
    return 0;
  }
  if (box.title != FinitePredationRateTitle) fuzzing::brokenRule("an accepted file ended without the rates' box");
  if (!std::filesystem::exists(state.report.BaseFileName + FinitePredationRateSuffix)) {
    fuzzing::brokenRule("an accepted file wrote no result file");
  }
  requireFiniteRates(state.predation);
  printDistributionTables(state, folder.baseFileName() + "_0_Bootstrap_Output.txt");
  // The file's own texts are never written, so its bytes cannot excuse an inf or nan.
  folder.requireNoNonNumberInOutputs(fuzzing::FuzzInput(nullptr, 0));
  return 0;
}
