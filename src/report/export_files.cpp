#include "report/export_files.h"

#include <cmath>
#include <functional>
#include <string>

#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {
namespace {

// How the rates of each stage are laid out: at most `perLine` values a line,
// each either a number item as it stands or its value rounded to 4 decimals
// as plain text, and the text that precedes each line end.
struct RateLayout {
  int perLine;
  bool roundedText;
  const char* beforeFullLineEnd;   // after the perLine-th value of a line
  const char* beforeStageLineEnd;  // after the last value of a stage
};

constexpr RateLayout TemplateRates{5, false, " ", " "};
constexpr RateLayout BruskoRates{10, true, " ", " "};
constexpr RateLayout LorvimenteGrowthRates{10, true, "", ""};
constexpr RateLayout LorvimenteDevelopmentRates{10, true, "", " "};

struct ExportKind {
  const char* stageDescription;
  double firstStageCoefficients[2];
  double laterStageCoefficients[2];
  RateLayout growth;
  RateLayout development;
};

constexpr const char* TemplateStageDescription =
    "Description: next lines are age intervals, stage name, vulnerability, susceptibility";

const ExportKind PredatorOrPrey{
    TemplateStageDescription, {0, 0}, {1, 0.5}, TemplateRates, TemplateRates};
const ExportKind Brusko{
    "Description: next lines are age intervals, stage name, weighing coefficient,density-dependent "
    "mortality",
    {0.1, 0.2},
    {0.5, 0.8},
    BruskoRates,
    BruskoRates};
const ExportKind Lorvimente{
    "Description: next lines are age intervals, stage name, weighing coefficient",
    {0.1, 0.2},
    {0.5, 0.8},
    LorvimenteGrowthRates,
    LorvimenteDevelopmentRates};

using RateAt = std::function<double(int x)>;

int wholeAge(double age) { return static_cast<int>(std::nearbyint(age)); }

void printRate(PrintRecord& line, const RateLayout& layout, double value) {
  if (layout.roundedText) {
    line.text(numberDigits(roundHalfEven(value, 4)));
  } else {
    line.number(value);
  }
}

// The rates of one stage over its ages, the stage ending its line.
void writeStageRates(TextOutputFile& out, const RateLayout& layout, int first, int last,
                     const RateAt& rate) {
  PrintRecord line = printTo(out);
  int onLine = 0;
  for (int x = first; x <= last; ++x) {
    printRate(line, layout, rate(x));
    if (++onLine == layout.perLine) {
      line.text(layout.beforeFullLineEnd).endLine();
      onLine = 0;
    } else if (x != last) {
      line.text(",");
    }
  }
  line.text(layout.beforeStageLineEnd).endLine();
}

struct Exporter {
  AnalysisState& state;
  TextOutputFile& out;

  int m() const { return state.header.NumStages; }
  int first(int j) const { return wholeAge(state.matrices.StageAgeRange(j, 1)); }
  int last(int j) const { return wholeAge(state.matrices.StageAgeRange(j, 2)); }

  void writeHead(const ExportKind& kind) {
    const CohortHeader& header = state.header;
    const int maxAge = state.stageStats.MaxAge;
    writeRecord(out, {"Description: the next three lines are project, date and user name."});
    writeRecord(out, {header.ProjectName});
    writeRecord(out, {header.ExperimentDate});
    writeRecord(out, {header.ResearcherName});
    writeRecord(out, {"Description: Last age group is " + signedText(maxAge) +
                      ", number of stages is " + signedText(m() + 1)});
    printTo(out).text(numberDigits(maxAge) + "," + numberDigits(m() + 1)).endLine();
    writeRecord(out, {kind.stageDescription});
    for (int j = 1; j <= m() + 1; ++j) {
      const double* coefficients =
          j == 1 ? kind.firstStageCoefficients : kind.laterStageCoefficients;
      writeRecord(out, {state.matrices.StageAgeRange(j, 1), state.matrices.StageAgeRange(j, 2),
                        header.StageName(1, j), coefficients[0], coefficients[1]});
    }
  }

  void writeGrowthRates(const RateLayout& layout) {
    writeRecord(out, {"Description: the next lines are the growth rates for each stage."});
    for (int j = 1; j <= m() + 1; ++j) {
      writeStageRates(out, layout, first(j), last(j),
                      [&](int x) { return state.matrices.Gxj(x, j); });
    }
  }

  // d(x,j) of the pre-adult stages, then the males' maturation, which stands
  // in column m over the ages of the last pre-adult stage.
  void writeDevelopmentRates(const RateLayout& layout) {
    writeRecord(out, {"Description: next lines are developmental rates"});
    for (int j = 1; j <= m() - 1; ++j) {
      writeStageRates(out, layout, first(j), last(j),
                      [&](int x) { return state.matrices.Dxj(x, j); });
    }
    const int lastPreadult = m() - 1;
    if (lastPreadult < 1) return;  // no cohort read: no pre-adult stage
    for (int x = first(lastPreadult); x <= last(lastPreadult); ++x) {
      PrintRecord line = printTo(out);
      printRate(line, layout, state.matrices.Dxj(x, m()));
      if (x != last(lastPreadult)) {
        line.text(",");
      } else {
        line.endLine();
      }
    }
  }

  // What every file holds first: the head with the stages, then the growth
  // and development rates of each stage.
  void writeLifeTable(const ExportKind& kind) {
    writeHead(kind);
    writeGrowthRates(kind.growth);
    writeDevelopmentRates(kind.development);
  }

  void writeConsumptionRates() {
    writeRecord(out, {"Description: the next lines are the consumption (predation or "
                      "parasitism) rates for each stage."});
    for (int j = 1; j <= m() + 1; ++j) {
      writeStageRates(out, TemplateRates, first(j), last(j), [](int) { return 1.0; });
    }
  }

  void writeInitialPopulation() {
    writeRecord(out, {"Description: next lines are initial population structure, end with 0,0,0"});
    writeRecord(out, {0, 1, 10});
    writeRecord(out, {0, 0, 0});
  }

  // A print line of one number per stage: `first` for stage 1, `later` for
  // the others.
  void printPerStage(PrintRecord line, double firstStage, double later) {
    for (int j = 1; j <= m() + 1; ++j) {
      line.number(j == 1 ? firstStage : later);
      if (j < m() + 1) line.text(",");
    }
    line.endLine();
  }

  void writeBruskoSettings() {
    writeRecord(out, {"Description: there is one weakness factor"});
    writeRecord(out, {1});
    writeRecord(out,
                {"Description: Weakness factor and the weakness coefficients for each stage."});
    printPerStage(printTo(out).text("Rainfall").text(","), 0, 0.5);
    writeRecord(out,
                {"Description: i,j,k,l for the economical threshold equation y=i+j*x+k*(x^L)"});
    writeRecord(out, {1, 1, 1, 1});
    writeRecord(
        out,
        {"Description: Density-dependent mortality coefficient for density below K and over K"});
    writeRecord(out, {0.2, 1});
    writeRecord(out, {"Description: number of treatment = 1"});
    writeRecord(out, {1});
    writeRecord(out, {"Description: first treatment at 10th day"});
    writeRecord(out, {10});
    writeRecord(out, {"Description: Critical cumulative insect day is on 15th day"});
    writeRecord(out, {15});
    writeRecord(out, {"Description: Code treatment is DDT, effective duration is one day, interval "
                      "to next treatment is 5 days"});
    writeRecord(out, {"DDT", 1, 5});
    writeRecord(out, {"Description: stage mortality due to treatment"});
    printPerStage(printTo(out), 0, 0.9);
    writeRecord(out, {"Description: time interval between treatment and sampling"});
    writeRecord(out, {7});
    writeRecord(out, {"Description: Sampling stage 1 to " + signedText(m())});
    writeRecord(out, {m(), m() + 1});
  }

  void writeLorvimenteMortality() {
    writeRecord(out, {"Description: next line is the density-dependent mortality probability for "
                      "density before K and over K"});
    writeRecord(out, {0.2, 1});
  }
};

template <class Fill>
void writeExportFile(AnalysisState& state, const char* suffix, Fill&& fill) {
  state.report.ExportFileName = state.report.BaseFileName + suffix;
  writeSingleFile(state.files.file1, state.report.ExportFileName, state.files,
                  [&](TextOutputFile& out) {
                    Exporter exporter{state, out};
                    fill(exporter);
                  });
}

}  // namespace

void WritePredatorDataFile(AnalysisState& state, Platform& /*platform*/) {
  writeExportFile(state, PredatorFileSuffix, [](Exporter& e) {
    e.writeLifeTable(PredatorOrPrey);
    e.writeConsumptionRates();
    e.writeInitialPopulation();
  });
}

void WritePreyDataFile(AnalysisState& state, Platform& /*platform*/) {
  writeExportFile(state, PreyFileSuffix, [](Exporter& e) {
    e.writeLifeTable(PredatorOrPrey);
    e.writeInitialPopulation();
  });
}

void WriteDataFileForBrusko(AnalysisState& state, Platform& /*platform*/) {
  writeExportFile(state, BruskoFileSuffix, [](Exporter& e) {
    e.writeLifeTable(Brusko);
    e.writeInitialPopulation();
    e.writeBruskoSettings();
  });
}

void WriteDatafileForLorvimente(AnalysisState& state, Platform& /*platform*/) {
  writeExportFile(state, LorvimenteFileSuffix, [](Exporter& e) {
    e.writeLifeTable(Lorvimente);
    e.writeInitialPopulation();
    e.writeLorvimenteMortality();
  });
}

}  // namespace vorelan
