#include "runs/read_sasd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "predation/finite_predation_rate_file.h"
#include "predation/five_predators.h"
#include "support/non_number_text.h"

namespace vorelan {
namespace {

using testing::FivePredators;
using testing::SasdFileText;

std::string text(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g,", v);
  return buffer;
}

template <class T>
std::string text(const Array1<T>& a) {
  std::string t = "[";
  for (std::size_t i = 0; i < a.size(); ++i) {
    if constexpr (std::is_same_v<T, std::string>) {
      t += a(i) + ",";
    } else {
      t += text(a(i));
    }
  }
  return t + "]";
}

std::string text(const Array2<double>& a) {
  std::string t;
  for (std::size_t r = 0; r < a.rows(); ++r) {
    for (std::size_t c = 0; c < a.cols(); ++c) t += text(a(r, c));
  }
  return t;
}

// Everything that Read SASD may change, as one text to compare.
std::string predationSnapshot(const AnalysisState& s) {
  const PredationState& p = s.predation;
  std::string t = s.run.SASDRead + "|" + s.report.OutputFileName + "|" + p.SASDFileName + "|" + p.SASDLayout + "|";
  for (double v : {p.Lambda, double(p.SASDSampleSize), double(p.SASDRecordCount), p.ReproFemaleCount, p.Psi,
                   p.Omega, p.IntrinsicPredationRate, double(p.HasIntrinsicPredationRate), p.TablePsi}) {
    t += text(v);
  }
  t += text(p.SASD) + text(p.SASDxCxj) + text(p.SASDSex);
  for (const Array1<double>* a : {&p.SASDLongevity, &p.Fecundity, &p.TPOP, &p.LastOviAge, &p.PostP, &p.OviP,
                                  &p.TPOPCon, &p.OviCon, &p.PostCon}) {
    t += text(*a);
  }
  for (const FemalePeriodStatistics& q : p.PeriodStatistics) {
    for (double v : {q.Sum, q.SumSq, q.Mean, q.Variance, q.SD, q.SE}) t += text(v);
  }
  return t;
}

class ReadSasd : public ::testing::Test {
 protected:
  // Chooses a distribution file in the dialog and runs Read SASD.
  bool readChosen(const SasdFileText& file, const std::string& name = "sasd.txt") {
    cohort.script.chosenFiles.push_back(cohort.sasdFile(file, name));
    return ReadDataFileForSASD2(cohort.state, cohort.platform);
  }
  std::filesystem::path resultFile() const {
    return cohort.dir.path() / (std::string("cohort") + FinitePredationRateSuffix);
  }

  FivePredators cohort;
};

TEST_F(ReadSasd, AFileOfTheCohortGivesTheRatesInABoxAndAResultFileBesideTheDataFile) {
  ASSERT_TRUE(cohort.script.messages().empty());
  EXPECT_TRUE(readChosen(SasdFileText{}));
  EXPECT_EQ(cohort.state.run.SASDRead, "Yes");
  ASSERT_EQ(cohort.script.messages().size(), 1U);
  EXPECT_EQ(cohort.script.messages()[0].title, "Finit predation rate");
  EXPECT_EQ(cohort.script.messages()[0].text, "Psi =2.1875.  Finite predation rate =3.28125");
  EXPECT_TRUE(std::filesystem::exists(resultFile()));
  EXPECT_EQ(cohort.state.predation.SASDFileName, (cohort.dir.path() / "sasd.txt").string());
}

TEST_F(ReadSasd, ACancelledDialogChangesNothing) {
  const std::string before = predationSnapshot(cohort.state);
  cohort.script.chosenFiles.push_back("");
  EXPECT_FALSE(ReadDataFileForSASD2(cohort.state, cohort.platform));
  EXPECT_TRUE(cohort.script.messages().empty());
  EXPECT_EQ(predationSnapshot(cohort.state), before);
  EXPECT_FALSE(std::filesystem::exists(resultFile()));
}

TEST_F(ReadSasd, NothingIsReadBeforeABasicRunOrAfterAResamplingRun) {
  AnalysisState fresh;
  cohort.script.chosenFiles.push_back(cohort.sasdFile(SasdFileText{}));
  EXPECT_FALSE(ReadDataFileForSASD2(fresh, cohort.platform));
  cohort.state.run.ResamplingDone = "yes";
  EXPECT_FALSE(ReadDataFileForSASD2(cohort.state, cohort.platform));
  EXPECT_EQ(cohort.script.chosenFiles.size(), 1U);  // the dialog was never shown
  EXPECT_TRUE(cohort.script.messages().empty());
}

// A file of each kind that is refused.
const struct {
  const char* name;
  void (*spoil)(SasdFileText&);
} Refused[] = {
    {"a field that is not a number", [](SasdFileText& f) { f.lambda = "\"one\""; }},
    {"a file that ends early", [](SasdFileText& f) { f.records.back() = "5,\"N\",3"; }},
    {"a sample size other than N", [](SasdFileText& f) { f.sampleSize = "4"; }},
    {"an individual outside 1..N", [](SasdFileText& f) { f.records[4] = "6,\"N\",3,0,0,0,0"; }},
    {"death after the life", [](SasdFileText& f) { f.records[0] = "1,\"F\",9,20,4,6,99"; }},
    {"oviposition out of order", [](SasdFileText& f) { f.records[1] = "2,\"F\",8,10,7,6,0"; }},
    {"lambda of 0", [](SasdFileText& f) { f.lambda = "0"; }},
    // psi and omega of these would overflow to infinity.
    {"a share above 1", [](SasdFileText& f) { f.values.replace(0, 7, "1e308"); }},
    {"a negative share", [](SasdFileText& f) { f.values.replace(0, 7, "-1e308"); }},
    {"lambda too large for omega", [](SasdFileText& f) { f.lambda = "1e308"; }},
};

TEST_F(ReadSasd, ARefusedFileIsNamedInOneMessageAndChangesNothing) {
  for (const bool afterAGoodFile : {false, true}) {
    if (afterAGoodFile) {
      ASSERT_TRUE(readChosen(SasdFileText{}, "good.txt"));
    }
    for (const auto& refused : Refused) {
      SCOPED_TRACE(std::string(refused.name) + (afterAGoodFile ? " after a good file" : ""));
      const std::string before = predationSnapshot(cohort.state);
      const std::string resultBefore = testing::readFile(resultFile().string());
      cohort.script.boxes.clear();
      SasdFileText file;
      refused.spoil(file);
      EXPECT_FALSE(readChosen(file, "refused.txt"));
      ASSERT_EQ(cohort.script.messages().size(), 1U);
      EXPECT_EQ(cohort.script.messages()[0].title, SasdFileErrorTitle);
      EXPECT_FALSE(testing::showsANonNumber(cohort.script.messages()[0].text)) << cohort.script.messages()[0].text;
      EXPECT_NE(cohort.script.messages()[0].text.find((cohort.dir.path() / "refused.txt").string()),
                std::string::npos);
      EXPECT_EQ(predationSnapshot(cohort.state), before);
      EXPECT_EQ(testing::readFile(resultFile().string()), resultBefore);
      EXPECT_EQ(cohort.script.endProgramCalls, 0);
    }
  }
}

TEST_F(ReadSasd, ASecondFileReplacesTheFirstWhole) {
  ASSERT_TRUE(readChosen(SasdFileText{}, "first.txt"));
  SasdFileText second;
  second.layout = "In Row";
  second.values = testing::FivePredatorsInRow;
  second.records = {"3,\"F\",7,5,4,4,1"};
  ASSERT_TRUE(readChosen(second, "second.txt"));
  FivePredators fresh;
  fresh.script.chosenFiles.push_back(fresh.sasdFile(second, "second.txt"));
  ASSERT_TRUE(ReadDataFileForSASD2(fresh.state, fresh.platform));
  // The same as reading the second file alone, apart from where it lies.
  cohort.state.predation.SASDFileName = fresh.state.predation.SASDFileName;
  cohort.state.report.OutputFileName = fresh.state.report.OutputFileName;
  EXPECT_EQ(predationSnapshot(cohort.state), predationSnapshot(fresh.state));
}

}  // namespace
}  // namespace vorelan
