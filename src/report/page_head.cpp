#include "report/page_head.h"

#include <limits>

#include "report/number_text.h"
#include "report/print_record.h"

namespace vorelan {

std::int16_t nextCount(std::int16_t& counter) {
  if (counter < std::numeric_limits<std::int16_t>::max()) ++counter;
  return counter;
}

void printPageMark(TextOutputFile& file) { printTo(file).text(std::string(1, PageMarkCharacter)).endLine(); }

void printPageLine(TextOutputFile& file, ReportState& report, int column) {
  const std::int16_t page = nextCount(report.PageNo);
  printTo(file).tab(column).text("Page").number(page).endLine();
}

void printTableLine(TextOutputFile& file, int tableNo, TableLineForm form, const std::string& title) {
  const std::string number = signedText(tableNo);
  switch (form) {
    case TableLineForm::A:
      printTo(file).tab(5).text("Table").text(number).text(title).endLine();
      break;
    case TableLineForm::B:
      printTo(file).text(" Table").text(number).text(".").text(title).endLine();
      break;
    case TableLineForm::C:
      printTo(file).tab(5).text("Table").text(number).text(".").text(title).endLine();
      break;
  }
}

void ReportPageHead(TextOutputFile& file, ReportState& report, const PageHeadVariant& variant,
                    const std::string& title) {
  if (variant.mark == PageMark::OwnLine) printPageMark(file);
  if (variant.mark == PageMark::SameLine) printTo(file).text(std::string(1, PageMarkCharacter));
  printPageLine(file, report, variant.pageColumn);
  printTableLine(file, nextCount(report.TableNo), variant.form, title);
}

}  // namespace vorelan
