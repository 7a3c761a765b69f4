// A whole bootstrap run with the sibling program's samples, on the
// three-individual example, checked file by file against texts worked out
// by hand.
//
// The cohort: the male (1) lives 13 time units and eats 19 (larva 2, 5, 5 at
// ages 2..4; adult 4, 3 at ages 11, 12); the female (2) lives 14 and eats 25
// (larva 1, 4, 6; adult 5, 5, 4 at ages 11..13); the third (3) dies as a
// pupa and eats 8. All three leave the egg at age 2, and the two adults
// leave the pupa together after age 10. The samples:
//   1: 2, 2, 2  Ro 8, lambda 2  C0 = 75 / 3 = 25
//   2: 1, 2, 2  Ro 5, lambda 1  C0 = 69 / 3 = 23
//   3: 1, 1, 2  Ro 4, lambda 1  C0 = 63 / 3 = 21
// With lambda 1 every living individual-day weighs alike in the stable
// distribution, so psi is the consumption over the individual-days:
// 69 / 41 and 63 / 40. With lambda 2, the three females give a(x) = 2^-x on
// ages 0..13, and psi = (1/4 + 4/8 + 6/16 + 5/2^11 + 5/2^12 + 4/2^13) /
// (2 - 2^-13) = 9250 / 16383.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "bootstrap_run_fixture.h"
#include "three_samples_file.h"

namespace vorelan {
namespace {

using testing::SamplesFile;

// A print line built the way Tab places its items: blanks up to each column.
std::string tabbed(const std::vector<std::pair<int, std::string>>& items) {
  std::string line;
  for (const auto& [column, text] : items) {
    line.append(static_cast<std::size_t>(column - 1) - line.size(), ' ');
    line += text;
  }
  return line + "\r\n";
}

std::string lines(const std::vector<std::string>& each) {
  std::string text;
  for (const std::string& line : each) text += line + "\r\n";
  return text;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// A number of a write record as a print item: the sign blank, no zero
// before the decimal point, a trailing blank.
std::string printed(const std::string& written) {
  return " " + (written.rfind("0.", 0) == 0 ? written.substr(1) : written) + " ";
}

// One result file: the six head records, then the replicate values.
struct ResultFile {
  std::string project, sampleSizeLine, n, replicatesLine, tag, original;
  std::vector<std::string> values;  // b = 1..3, as write records give them
};

std::string head(const ResultFile& f) {
  return lines({quoted(f.project), quoted(f.sampleSizeLine), f.n, quoted(f.replicatesLine), "3",
                quoted(f.tag) + "," + f.n + "," + f.original});
}

std::string inColumn(const ResultFile& f) {
  std::string text = head(f);
  for (const std::string& v : f.values) text += v + "\r\n";
  return text;
}

// Three values: one line, closed by -1 directly after the last ",".
std::string inRow(const ResultFile& f) {
  std::string text = head(f);
  for (const std::string& v : f.values) text += printed(v) + ",";
  return text + "-1\r\n";
}

class BootstrapSameSamplesGoldenTest : public testing::BootstrapRunFixture {
 protected:
  void SetUp() override {
    BootstrapRunFixture::SetUp();
    samples = dir.write("samples.txt", SamplesFile);
    before = files();
    script.inputAnswers = {"1"};
    script.chosenFiles = {samples};
    script.messageAnswers = {MessageAnswer::Yes};
    ASSERT_EQ(run(), BootstrapOutcome::Done);
  }

  std::string samples;
};

TEST_F(BootstrapSameSamplesGoldenTest, Report) {
  const std::string eq(75, '='), dash(75, '-');
  const std::string heads = tabbed({{18, "Co"}, {30, "Ro"}, {40, "Qp"}, {50, " Psi"}, {60, " FP (FC)"}, {73, "lambda"}});
  const auto row = [](const std::string& label, const std::vector<std::string>& cells) {
    const int columns[] = {15, 27, 37, 50, 60, 70};
    std::vector<std::pair<int, std::string>> items{{5, label}};
    for (std::size_t i = 0; i < cells.size(); ++i) items.emplace_back(columns[i], " " + cells[i] + " ");
    return tabbed(items);
  };
  const std::string expected =
      "\b" + std::string(68, ' ') + "Page 1 \r\n" +
      lines({"    Example project", "    Observer", "    2015-06-01", "    Analyzed on : 2015-06-01", " ",
             "    Table 1. Table of bootstrap samples", "    " + eq}) +
      heads + "    " + dash + "\r\n" +
      // C0 52/3, Ro of all 5.5, Qp = 52/3 / 5.5; no distribution read, so
      // psi and FP of the whole cohort were never formed.
      row("Original", {"17.3333", "5.5", "3.1515", "-", "-", "1.25"}) + "    " + dash + "\r\n" +
      // Mean of C0 23; of Qp (3.125 + 4.6 + 5.25) / 3; of psi and FP from the
      // three values above. Ro and lambda as the samples file states them.
      row("Mean", {"23", "5.6667", "4.325", "1.2742", "1.4624", "1.33333"}) +
      // Variance of C0: (25^2 + 23^2 + 21^2 - 69^2 / 3) / 2 = 4; of Qp 1.185625.
      row("Variance", {"4", "4.333", "1.1856", ".3805", ".0862", ".333333"}) +
      row("S.E.", {"2", "2.0817", "1.0889", ".6169", ".2935", ".57735"}) + "    " + dash + "\r\n" +
      row(" 1 ", {"25", "8", "3.125", ".5646", "1.1292", "2"}) +
      row(" 2 ", {"23", "5", "4.6", "1.6829", "1.6829", "1"}) +
      row(" 3 ", {"21", "4", "5.25", "1.575", "1.575", "1"}) + "    " + dash + "\r\n" +
      heads + "    " + dash + "\r\n" +
      lines({"    Original parameters are calculated using all individuals.",
             "    Co: Net predation rate; Ro: Net reproductive rate.",
             "    FP: Finite predation rate; FC: Finite consumption rate.",
             "    Psi: Stable predation rate; lambda: Finate rate."});
  EXPECT_EQ(file("_0_Bootstrap_Output.txt"), expected);
}

TEST_F(BootstrapSameSamplesGoldenTest, ResultFilesOfTheEstimates) {
  const std::string project = "Project: Example project";
  const std::string nLine = "Next line is the bootstrap sample size (n)";
  const std::string bLine = "Next line is the effective bootstrap numbers (B)";
  const ResultFile c0{project, nLine, "3", bLine, "C0", "17.3333333333333", {"25", "23", "21"}};
  ResultFile c0Column = c0;
  c0Column.replicatesLine = bLine + " ";
  EXPECT_EQ(file("_4_Bootstrap_C0-in Row.txt"), inRow(c0));
  EXPECT_EQ(file("_4_Bootstrap_C0_in column.txt"), inColumn(c0Column));

  // Without a distribution read, psi and omega of the whole cohort were
  // never formed: "-" in the tag line; the replicates' own stay.
  const std::vector<std::string> psi{"0.564609656351096", "1.68292682926829", "1.575"};
  EXPECT_EQ(file("_4_Bootstrap_Psi-in Row.txt"), inRow({project, nLine, "3", bLine, "Psi", "-", psi}));
  EXPECT_EQ(file("_4_Bootstrap_Psi_in column.txt"), inColumn({project, nLine, "3", bLine + " ", "Psi", "-", psi}));
  const std::vector<std::string> omega{"1.12921931270219", "1.68292682926829", "1.575"};
  EXPECT_EQ(file("_4_Bootstrap_Omega-in Row.txt"), inRow({project, nLine, "3", bLine, "Omega", "-", omega}));
  EXPECT_EQ(file("_4_Bootstrap_Omega_in column.txt"),
            inColumn({project, nLine, "3", "Next line is the effective bootstrap numbers (m) ", "Omega", "-", omega}));
  const std::vector<std::string> qp{"3.125", "4.6", "5.25"};
  EXPECT_EQ(file("_4_Bootstrap_Qp-in Row.txt"), inRow({project, nLine, "3", bLine + " ", "Qp", "3.15151515151515", qp}));
  EXPECT_EQ(file("_4_Bootstrap_Qp_in column.txt"),
            inColumn({project, nLine, "3", bLine + " ", "Qp", "3.15151515151515", qp}));
}

// The stage daily mean consumption of each stage column: T over the
// individual-days. Whole cohort: larva 31 / 8, female adult 14 / 3, male
// adult 7 / 2. Sample 1 has no male: its male column stays 0.
TEST_F(BootstrapSameSamplesGoldenTest, ResultFilesOfTheStageDailyMeans) {
  struct Stage {
    std::string original;
    std::vector<std::string> values;
  };
  const Stage stages[] = {
      {"0", {"0", "0", "0"}},
      {"3.875", {"3.66666666666667", "3.77777777777778", "3.88888888888889"}},  // 33/9, 34/9, 35/9
      {"0", {"0", "0", "0"}},
      {"4.66666666666667", {"4.66666666666667", "4.66666666666667", "4.66666666666667"}},
      {"3.5", {"0", "3.5", "3.5"}},
  };
  for (int j = 1; j <= 5; ++j) {
    const Stage& s = stages[j - 1];
    const ResultFile f{"Project: Example project", "Next line is the bootstrap sample size (n)", "3",
                       "Next line is the effective bootstrap numbers (B)", "Stage " + std::to_string(j), s.original,
                       s.values};
    EXPECT_EQ(file("_24_Bootstrap_Stage consume-" + std::to_string(j) + "-in Row.txt"), inRow(f)) << j;
  }
}

// The replicates' stage means beside the whole cohort's, in both layouts.
TEST_F(BootstrapSameSamplesGoldenTest, ResultFilesOfTheStageMeans) {
  struct StageMean {
    std::string name, tag, n, original;
    std::vector<std::string> values;
  };
  const StageMean means[] = {
      // Durations: egg 2, 2, 3; larva 3, 3, 2; pupa 6, 6 (the third dies in
      // it); adult 2 (male), 3 (female).
      {"_Effective Boots-W_Stage mean_1_Egg", "Egg", "3", "2.33333333333333", {"2", "2", "2"}},
      {"_Effective Boots-W_Stage mean_2_Larva", "Larva", "3", "2.66666666666667", {"3", "3", "3"}},
      {"_Effective Boots-W_Stage mean_3_Pupa", "Pupa", "2", "6", {"6", "6", "6"}},
      {"_Effective Boots-W_Stage mean_4_Adult", "Adult", "2", "2.5", {"3", "2.66666666666667", "2.33333333333333"}},
      // Consumption: larva 12, 11, 8; adult 7, 14; egg and pupa eat nothing.
      {"_Effective Boots-Y_Mean consumption_2_Larva", "Larva", "3", "10.3333333333333",
       {"11", "11.3333333333333", "11.6666666666667"}},
      {"_Effective Boots-Y_Mean consumption_4_Adult", "Adult", "2", "10.5",
       {"14", "11.6666666666667", "9.33333333333333"}},
      // By sex line; a line without a member in a sample gives 0 there.
      {"_Effective Boots-Y_Mean consumption_F_2_Larva", "Larva", "1", "11", {"11", "11", "11"}},
      {"_Effective Boots-Y_Mean consumption_F_4_Adult", "Adult", "1", "14", {"14", "14", "14"}},
      {"_Effective Boots-Y_Mean consumption_M_2_Larva", "Larva", "1", "12", {"0", "12", "12"}},
      {"_Effective Boots-Y_Mean consumption_M_4_Adult", "Adult", "1", "7", {"0", "7", "7"}},
      {"_Effective Boots-Y_Mean consumption_N_2_Larva", "Larva", "1", "8", {"0", "0", "0"}},
      // Cumulative durations: 5 to the end of the larva, 11 of the pupa, the
      // whole lives 13 and 14.
      {"_Effective Boots-X_Egg-to-Larva", "Egg-Larva", "3", "5", {"5", "5", "5"}},
      {"_Effective Boots-W_PreAdult", "PreAdult", "2", "11", {"11", "11", "11"}},
      {"_Effective Boots-X_Egg-to-Adult", "Total longevity", "2", "13.5",
       {"14", "13.6666666666667", "13.3333333333333"}},
  };
  for (const StageMean& m : means) {
    const ResultFile f{"Example project", "Next line is Bootstrap sample size (n)", m.n,
                       "Next line is effective bootstrap number (B)", m.tag, m.original, m.values};
    EXPECT_EQ(file(m.name + "_in column.txt"), inColumn(f)) << m.name;
    EXPECT_EQ(file(m.name + "_in row.txt"), inRow(f)) << m.name;
  }
}

// C0 of 21, 23, 25: width 0.2 from 21; 21 in class 0, 23 in class 10, 25 in 20.
TEST_F(BootstrapSameSamplesGoldenTest, FrequencyFile) {
  std::string expected = lines({quoted("Project: Example project"), quoted("User: Observer"),
                                quoted("Date: 2015-06-01"), quoted("Bootstrap number =3"),
                                quoted("Bootstrap sample size =3"), quoted("Total number of effective bootstrap =3"),
                                quoted("Net predation rate (Co)"),
                                quoted("Max of boot-Co =") + ",25," + quoted(".  Min of boot-Co =") + ",21",
                                quoted("Sum of frequency of Co =") + ",3", "3",
                                quoted("Class begin") + "," + quoted("Class center") + "," + quoted("Frequency")});
  const auto tenths = [](int t) { return std::to_string(t / 10) + (t % 10 ? "." + std::to_string(t % 10) : ""); };
  for (int k = 0; k <= 21; ++k) {
    const int frequency = (k == 0 || k == 10 || k == 20) ? 1 : 0;
    expected += tenths(210 + 2 * k) + "," + tenths(211 + 2 * k) + "," + std::to_string(frequency) + "\r\n";
  }
  EXPECT_EQ(file("_9_Bootstrap-Co frequency.txt"), expected);
}

// The curves that can be formed: larva (S.E. 1/3 over 11, 34/3, 35/3), the
// adult (S.E. 7/3 over 14, 35/3, 28/3), the male adult (0, 7, 7: S.E.
// sqrt(49/3)), C0 and Qp. The female adult's replicates are all 14: S.E. 0,
// no curve. Psi and omega of the whole cohort were never formed (no
// distribution read): no curve either. Each file: eight head lines and 201
// points.
TEST_F(BootstrapSameSamplesGoldenTest, NormalDensityCurves) {
  struct Curve {
    std::string label;
    double mean, se;
    std::string meanText;
  };
  const double qp = 52.0 / 3 / 5.5;
  const Curve curves[] = {
      {" 2-Larva", 31.0 / 3, 1.0 / 3, "10.3333333333333"},
      {" 4-Adult", 10.5, 7.0 / 3, "10.5"},
      {" 4-Male Adult", 7, std::sqrt(49.0 / 3), "7"},
      {"C0", 52.0 / 3, 2, "17.3333333333333"},
      {"Qp", qp, 1.0888640870191284, "3.15151515151515"},
  };
  std::set<std::string> densityFiles;
  for (const std::string& name : newFiles()) {
    if (name.find("Normal density") != std::string::npos) densityFiles.insert(name);
  }
  ASSERT_EQ(densityFiles.size(), std::size(curves));
  for (const Curve& c : curves) {
    const std::string text = file("_22_Bootstrap-" + c.label + "-Normal density.txt");
    // The S.E.s come from sums of squares, whose last digits depend on the
    // order of the additions: compared as numbers.
    const std::string meanLine = quoted("Mean of " + c.label + ":") + "," + c.meanText + "," + quoted("SE:") + ",";
    const std::string expectedHead =
        lines({quoted("Example project"), quoted("Observer"), quoted("2015-06-01"), quoted("Bootstrap number =") + ",3"}) +
        meanLine;
    ASSERT_EQ(text.substr(0, expectedHead.size()), expectedHead) << c.label;
    std::size_t at = text.find("\r\n", expectedHead.size());
    EXPECT_NEAR(std::stod(text.substr(expectedHead.size(), at - expectedHead.size())), c.se, 1e-9 * c.se) << c.label;
    const std::string restOfHead =
        lines({"", quoted("Total number of effective bootstrap =") + ",3", quoted("Bootstrap sample size =") + ",3",
               quoted("i") + "," + quoted(c.label) + "," + quoted("density")});
    ASSERT_EQ(text.substr(at, restOfHead.size()), restOfHead) << c.label;
    // The points: x from mean - 3.5 S.E. in 200 steps, the density with the
    // constant 6.28318 for 2 pi.
    at += restOfHead.size();
    for (int i = 0; i <= 200; ++i) {
      const std::size_t end = text.find("\r\n", at);
      ASSERT_NE(end, std::string::npos) << c.label << " point " << i;
      const std::string line = text.substr(at, end - at);
      at = end + 2;
      const std::size_t comma1 = line.find(','), comma2 = line.find(',', comma1 + 1);
      ASSERT_EQ(line.substr(0, comma1), std::to_string(i)) << c.label;
      const double x = std::stod(line.substr(comma1 + 1, comma2 - comma1 - 1));
      const double f = std::stod(line.substr(comma2 + 1));
      const double expectedX = c.mean - 3.5 * c.se + i * (7 * c.se / 200);
      const double z = (expectedX - c.mean) / c.se;
      const double expectedF = std::exp(-0.5 * z * z) / (c.se * std::sqrt(6.28318));
      EXPECT_NEAR(x, expectedX, 1e-12 * (1 + std::abs(expectedX))) << c.label << " point " << i;
      EXPECT_NEAR(f, expectedF, 1e-12 * expectedF) << c.label << " point " << i;
    }
    EXPECT_EQ(at, text.size()) << c.label;
  }
  const auto boxes = script.messages();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "Congratulation!");
  EXPECT_EQ(boxes[1].title, "Task completed");
}

// Everything the run wrote, and nothing more: no record of drawn samples in
// a run that took the sibling's.
TEST_F(BootstrapSameSamplesGoldenTest, WritesTheseFilesOnly) {
  std::set<std::string> expected{"_0_Bootstrap_Output.txt", "_9_Bootstrap-Co frequency.txt"};
  for (const char* estimate : {"C0", "Psi", "Omega", "Qp"}) {
    expected.insert(std::string("_4_Bootstrap_") + estimate + "-in Row.txt");
    expected.insert(std::string("_4_Bootstrap_") + estimate + "_in column.txt");
  }
  for (int j = 1; j <= 5; ++j) expected.insert("_24_Bootstrap_Stage consume-" + std::to_string(j) + "-in Row.txt");
  for (const char* family :
       {"W_Stage mean_1_Egg", "W_Stage mean_2_Larva", "W_Stage mean_3_Pupa", "W_Stage mean_4_Adult",
        "Y_Mean consumption_2_Larva", "Y_Mean consumption_4_Adult", "Y_Mean consumption_F_2_Larva",
        "Y_Mean consumption_F_4_Adult", "Y_Mean consumption_M_2_Larva", "Y_Mean consumption_M_4_Adult",
        "Y_Mean consumption_N_2_Larva", "X_Egg-to-Larva", "W_PreAdult", "X_Egg-to-Adult"}) {
    expected.insert(std::string("_Effective Boots-") + family + "_in column.txt");
    expected.insert(std::string("_Effective Boots-") + family + "_in row.txt");
  }
  for (const char* label : {" 2-Larva", " 4-Adult", " 4-Male Adult", "C0", "Qp"}) {
    expected.insert(std::string("_22_Bootstrap-") + label + "-Normal density.txt");
  }
  EXPECT_EQ(newFiles(), expected);
  EXPECT_EQ(state.bootstrap.SameBootSamples, "Yes");
  EXPECT_EQ(state.run.ResamplingDone, "yes");
}

}  // namespace
}  // namespace vorelan
