#include "report/individual_tables.h"

#include "report/report_writer.h"

namespace vorelan {

void printProjectLines(TextOutputFile& out, const CohortHeader& header) {
  printTo(out).tab(5).text("Project: ").text(header.ProjectName).endLine();
  printTo(out).tab(5).text("Name   : ").text(header.ResearcherName).endLine();
  printTo(out).tab(5).text("Date   : ").text(header.ExperimentDate).endLine();
}

void printContinuedTitle(TextOutputFile& out, int tableNo) {
  printTo(out).tab(5).text("Table " + std::to_string(tableNo) + ". (Continued)").endLine();
}

void printStageHeading(TextOutputFile& out, const CohortHeader& header, const ColumnChunk& chunk,
                       const StageHeadingLayout& layout) {
  PrintRecord line = printTo(out);
  line.tab(5).text(layout.opening);
  forEachColumn(chunk, header.NumStages, [&](ColumnKind kind, int j, int k) {
    switch (kind) {
      case ColumnKind::WholeLife:
        line.tab(10 * k + layout.wholeLifeAt).text(layout.wholeLifeTitle);
        break;
      case ColumnKind::Preadult:
        line.tab(10 * k + layout.preadultAt).text("Preadult");
        break;
      case ColumnKind::Adult:
        line.tab(10 * k + layout.adultAt).text("Adult");
        break;
      case ColumnKind::PreadultStage:
        line.tab(layout.stageStep * k + layout.stageAt).text(header.StageNameAsRead(1, j));
        break;
    }
  });
  line.text(" ").endLine();
}

void printStageCell(PrintRecord& line, int column, double duration,
                    const std::function<void(PrintRecord&)>& value,
                    const std::function<void(PrintRecord&)>& dead, const char* deathMark) {
  line.tab(column);
  if (duration > 0) {
    value(line);
  } else if (duration == 0) {
    line.text(" -");  // stage never entered
  } else {
    dead(line);
    line.text(deathMark);
  }
}

const char* statisticLabel(IndividualStatistic statistic) {
  switch (statistic) {
    case IndividualStatistic::N:
      return "N";
    case IndividualStatistic::Mean:
      return "Mean";
    case IndividualStatistic::Maximum:
      return "Maximum";
    case IndividualStatistic::Minimum:
      return "Minimum";
    case IndividualStatistic::SD:
      return "S.D.";
    case IndividualStatistic::SE:
      return "S.E.";
  }
  return "";
}

ColumnStatistics wholeCohortStatistics(int numIndividuals, double mean, double sd, double se) {
  ColumnStatistics values;
  values.n = numIndividuals;
  values.mean = mean;
  values.seDecimals = 3;
  if (numIndividuals > 1) {
    values.sd = sd;
    values.se = se;
  }
  return values;
}

void printStatisticCell(PrintRecord& line, int column, IndividualStatistic statistic,
                        const ColumnStatistics& values, DashForm dash) {
  const auto print = [&](const std::optional<double>& value, std::optional<int> decimals) {
    if (!value) {
      line.tab(column + dash.offset).text(dash.text);
    } else if (decimals) {
      line.tab(column).rounded(*value, *decimals);
    } else {
      line.tab(column).number(*value);
    }
  };
  switch (statistic) {
    case IndividualStatistic::N:
      print(values.n, std::nullopt);
      break;
    case IndividualStatistic::Mean:
      print(values.mean, 2);
      break;
    case IndividualStatistic::Maximum:
      print(values.maximum, std::nullopt);
      break;
    case IndividualStatistic::Minimum:
      print(values.minimum, std::nullopt);
      break;
    case IndividualStatistic::SD:
      print(values.sd, values.sdDecimals);
      break;
    case IndividualStatistic::SE:
      print(values.se, values.seDecimals);
      break;
  }
}

void printStatisticLines(TextOutputFile& out, std::initializer_list<IndividualStatistic> statistics,
                         const std::function<std::string(IndividualStatistic)>& label,
                         const std::function<void(PrintRecord&, IndividualStatistic)>& cells,
                         const std::function<void()>& singleRule) {
  for (IndividualStatistic statistic : statistics) {
    PrintRecord line = printTo(out);
    line.tab(5).text(label(statistic));
    cells(line, statistic);
    line.text(" ").endLine();
    singleRule();
  }
}

void printStageColumnChunks(TextOutputFile& out, const CohortHeader& header, int tableNo,
                            const std::string& title, const StageColumnTable& table) {
  const auto rule = [&](char character, const ColumnChunk& chunk) {
    printTo(out).tab(5).text(repeated(character, table.ruleWidth(chunk))).endLine();
  };
  const ColumnStatistics wholeLife = table.wholeLife();
  std::optional<ColumnStatistics> preadult;
  const auto statisticCell = [&](PrintRecord& line, IndividualStatistic statistic, ColumnKind kind,
                                 int j, int k) {
    switch (kind) {
      case ColumnKind::WholeLife:
        printStatisticCell(line, table.cells.wholeLife(k), statistic, wholeLife, DashInCell);
        break;
      case ColumnKind::Preadult:
        if (!preadult) preadult = table.preadult();
        printStatisticCell(line, table.cells.preadult(k), statistic, *preadult, DashAfterCell);
        break;
      default:
        printStatisticCell(line, table.cells.stage(k), statistic, table.stage(j), DashInCell);
        break;
    }
  };

  const auto chunks = individualTableChunks(header.NumStages);
  for (std::size_t c = 0; c < chunks.size(); ++c) {
    const ColumnChunk& chunk = chunks[c];
    if (c == 0) {
      printTableLine(out, tableNo, TableLineForm::A, title);
    } else {
      for (int blank = 0; blank < 3; ++blank) printTo(out).text(" ").endLine();
      printContinuedTitle(out, tableNo);
    }
    rule('=', chunk);
    printStageHeading(out, header, chunk, table.heading);
    rule('-', chunk);
    for (int i = 1; i <= header.NumIndividuals; ++i) table.individual(chunk, i);
    rule('-', chunk);
    printStatisticLines(
        out, SixStatistics, [](IndividualStatistic s) { return statisticLabel(s); },
        [&](PrintRecord& line, IndividualStatistic statistic) {
          forEachColumn(chunk, header.NumStages, [&](ColumnKind kind, int j, int k) {
            statisticCell(line, statistic, kind, j, k);
          });
        },
        [&] { rule('-', chunk); });
    printTo(out).tab(5).text("d - dead.").endLine();
  }
}

}  // namespace vorelan
