#include "report/life12.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "report/effective_consumer_lines.h"
#include "report/individual_tables.h"
#include "report/report_writer.h"

namespace vorelan {
namespace {

// One page of age columns; the column `totalColumn` (the last age read) is
// the Total column.
struct AgePage {
  int first;
  int last;
  int totalColumn;

  int cell(int x) const { return (x - first + 1) * 9 + 5; }
  int width() const { return last - first + 1; }
  bool isTotal(int x) const { return x >= totalColumn; }
};

void printRule(TextOutputFile& out, char character, const AgePage& page) {
  printTo(out).tab(5).text(repeated(character, page.width() * 9 + 8)).endLine();
}

std::string ageInterval(int x, double timeUnit) {
  return numberDigits(x * timeUnit) + "-<" + numberDigits((x + 1) * timeUnit);
}

void printHeading(TextOutputFile& out, const AnalysisState& state, const AgePage& page) {
  printTo(out)
      .tab(5)
      .text("Indiv.")
      .text(repeated(' ', page.width() * 8 / 2))
      .text("Age interval")
      .endLine();
  PrintRecord line = printTo(out);
  line.tab(5).text(" no. ");
  for (int x = page.first; x <= page.last; ++x) {
    if (page.isTotal(x)) {
      line.text("    Total");
    } else {
      line.tab(page.cell(x)).text(ageInterval(x, state.run.TimeUnit));
    }
  }
  line.text(" ").endLine();
}

void printIndividual(TextOutputFile& out, const AnalysisState& state, const AgePage& page, int i) {
  const int lastAge = state.longevity.LastAge(i);
  PrintRecord line = printTo(out);
  line.tab(5).number(i);
  for (int x = page.first; x <= page.last; ++x) {
    const int c = page.cell(x);
    if (page.isTotal(x)) {
      line.tab(c).rounded(state.longevity.TotalConsumption(i), 2);
      continue;
    }
    const double v = state.cohort.DailyConsumption(i, x);
    if (x < lastAge) {
      v > 0 ? line.tab(c).rounded(v, 2) : line.tab(c + 1).text("0");
    } else if (x == lastAge) {  // the age at which it died
      v > 0 ? line.tab(c).rounded(v, 2).text("d") : line.tab(c + 1).text("0 d  ");
    } else {
      line.tab(c + 1).text("-");
    }
  }
  line.text(" ").endLine();
}

// The Total column: the lifetime consumption of the cohort.
ColumnStatistics totalStatistics(const AnalysisState& state) {
  const SpanStatistics& sp = state.span;
  return wholeCohortStatistics(state.header.NumIndividuals, sp.LifetimeConsMean, sp.LifetimeConsSD,
                               sp.LifetimeConsSE);
}

// The daily consumption of the individuals alive at age x.
ColumnStatistics ageStatistics(const AnalysisState& state, int x) {
  const LongevityStatistics& lg = state.longevity;
  ColumnStatistics values;
  values.n = lg.AgeN(x);
  if (values.n != 0) values.mean = lg.AgeMeanDailyConsumption(x);
  values.seDecimals = 3;
  if (values.n > 1) {
    values.sd = lg.AgeDailyConsumptionSD(x);
    values.se = lg.AgeDailyConsumptionSE(x);
  }
  return values;
}

// The labels after "N" carry one trailing blank.
std::string dailyTableLabel(IndividualStatistic statistic) {
  return statistic == IndividualStatistic::N ? "N" : std::string(statisticLabel(statistic)) + " ";
}

void printStatistics(TextOutputFile& out, const AnalysisState& state, const AgePage& page) {
  const ColumnStatistics total = totalStatistics(state);
  printStatisticLines(
      out,
      {IndividualStatistic::N, IndividualStatistic::Mean, IndividualStatistic::SD,
       IndividualStatistic::SE},
      dailyTableLabel,
      [&](PrintRecord& line, IndividualStatistic statistic) {
        for (int x = page.first; x <= page.last; ++x) {
          printStatisticCell(line, page.cell(x), statistic,
                             page.isTotal(x) ? total : ageStatistics(state, x), BareDash);
        }
      },
      [&] { printRule(out, '-', page); });
}

void printPage(TextOutputFile& out, AnalysisState& state, const AgePage& page, int tableNo) {
  printPageMark(out);
  printPageLine(out, state.report, 70);
  for (int blank = 0; blank < 3; ++blank) printTo(out).text(" ").endLine();
  if (page.first == 0) {
    printTo(out).text(" ").endLine();
    printProjectLines(out, state.header);
    printTo(out).text(" ").endLine();
    printTableLine(out, tableNo, TableLineForm::A, ". Daily consumption rate of each individual");
  } else {
    printContinuedTitle(out, tableNo);
  }
  printRule(out, '=', page);
  printHeading(out, state, page);
  printRule(out, '-', page);
  for (int i = 1; i <= state.header.NumIndividuals; ++i) printIndividual(out, state, page, i);
  printRule(out, '-', page);
  printStatistics(out, state, page);
  printTo(out).tab(5).text("d - dead.").endLine();
}

}  // namespace

void life12(AnalysisState& state, Platform& /*platform*/) {
  TextOutputFile& out = state.files.file3;
  const int totalColumn = static_cast<int>(std::lround(state.header.MaxAgeRead));
  const int tableNo = nextCount(state.report.TableNo);
  AgePage page{0, std::min(8, totalColumn), totalColumn};
  for (;;) {
    printPage(out, state, page, tableNo);
    if (page.last == totalColumn) break;
    page.first = page.last + 1;
    page.last = std::min(page.last + 13, totalColumn);
  }
  const LongevityStatistics& lg = state.longevity;
  printTo(out)
      .tab(5)
      .text("Maximum consumption rate =")
      .number(lg.MaxLifetimeConsumption)
      .endLine();
  printTo(out)
      .tab(5)
      .text("Maximum daily consumption rate =")
      .number(lg.MaxDailyConsumption)
      .endLine();
  printEffectiveConsumers(out, lg);
}

}  // namespace vorelan
