#include "shell/intro_diagram_view.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "guidance/intro_diagram.h"

namespace vorelan {
namespace {

constexpr int RowHeight = 22;
constexpr int HeadHeight = 30;
constexpr int NumberWidth = 36;
constexpr int DayWidth = 24;
constexpr int BoxWidth = 190;
constexpr int Gap = 12;
constexpr int FootHeight = 26;

// The life column is as wide as the longest life of the diagram.
int longestLife() {
  int longest = 0;
  for (const DiagramIndividual& row : introDiagram()) {
    int days = 0;
    for (int d : row.days) days += std::abs(d);
    longest = std::max(longest, days);
  }
  return longest;
}

const std::array<QColor, 4> StageColours{QColor("#f4e9a6"), QColor("#9fd36a"), QColor("#d9b877"),
                                         QColor("#9cc3e6")};

void drawHead(QPainter& p) {
  for (std::size_t j = 0; j < DiagramStages.size(); ++j) {
    const QRect key(NumberWidth + static_cast<int>(j) * 4 * DayWidth, 4, 4 * DayWidth - 6, HeadHeight - 10);
    p.fillRect(key, StageColours[j]);
    p.drawRect(key);
    p.drawText(key, Qt::AlignCenter, DiagramStages[j]);
  }
  p.drawText(QRect(NumberWidth + longestLife() * DayWidth + Gap, 4, BoxWidth, HeadHeight - 10), Qt::AlignCenter,
             "Daily consumption");
}

void drawRow(QPainter& p, const DiagramIndividual& row, int top) {
  p.drawText(QRect(0, top, NumberWidth - 6, RowHeight), Qt::AlignRight | Qt::AlignVCenter,
             QString::number(row.number));
  int left = NumberWidth;
  for (std::size_t j = 0; j < row.days.size() && row.days[j] != 0; ++j) {
    const int days = std::abs(row.days[j]);
    const QRect cell(left, top + 2, days * DayWidth, RowHeight - 4);
    p.fillRect(cell, StageColours[j]);
    p.drawRect(cell);
    // A death in the stage is marked by a cross after its days.
    p.drawText(cell, Qt::AlignCenter, row.days[j] < 0 ? QString("%1 \u2020").arg(days) : QString::number(days));
    left += days * DayWidth;
  }
  const QRect box(NumberWidth + longestLife() * DayWidth + Gap, top + 2, BoxWidth, RowHeight - 4);
  p.fillRect(box, Qt::white);
  p.drawRect(box);
  p.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromStdString(row.consumptionBox()));
}

}  // namespace

IntroDiagramView::IntroDiagramView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(sizeHint());
}

QSize IntroDiagramView::sizeHint() const {
  const int rows = static_cast<int>(introDiagram().size());
  return {NumberWidth + longestLife() * DayWidth + Gap + BoxWidth + 2, HeadHeight + rows * RowHeight + FootHeight};
}

void IntroDiagramView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor("#eef2f7"));
  p.setPen(QColor("#333333"));
  drawHead(p);
  int top = HeadHeight;
  for (const DiagramIndividual& row : introDiagram()) {
    drawRow(p, row, top);
    top += RowHeight;
  }
  p.drawText(QRect(NumberWidth, top + 4, width() - NumberWidth, FootHeight - 4), Qt::AlignLeft | Qt::AlignVCenter,
             "Days in each stage; \u2020 died in that stage.");
}

}  // namespace vorelan
