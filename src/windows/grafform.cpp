#include "windows/grafform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window_handler.h"
#include "ui/window_room.h"

namespace vorelan {
namespace {

QPushButton* figureButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setFont(QFont("Times New Roman", 11));
  button->setCursor(Qt::PointingHandCursor);
  button->setMinimumWidth(84);
  return button;
}

}  // namespace

grafform::grafform(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer,
                   std::function<void(QWidget&)> quit)
    : SecondaryWindow(switcher),
      LifeTableFigureProcedures(state, FigureWindow::Large),
      state_(state),
      platform_(platform),
      printer_(std::move(printer)),
      quit_(std::move(quit)) {
  buildControls();
  Form_Load();
}

void grafform::buildControls() {
  setWindowTitle("Grafform");
  resizeWithinScreen(*this, QSize(1100, 760));

  MSChart1 = new ChartControl(this);
  // Smaller on a small screen; the chart takes what the window gives.
  MSChart1->setMinimumSize(600, 380);
  MSChart1->setAccessibleName("Chart of the figure");

  auto* Frame1 = new QGroupBox("Select a figure to display", this);
  auto* figures = new QHBoxLayout(Frame1);
  Command16 = figureButton("s(i,j)", Frame1);
  Command13 = figureButton("g(i,j)", Frame1);
  Command14 = figureButton("d(i,j)", Frame1);
  Command15 = figureButton("c(i,j)", Frame1);
  Command3 = figureButton("l(x)", Frame1);
  Command7 = figureButton("l(x)c(x)", Frame1);
  Command5 = figureButton("c(x)", Frame1);
  for (QPushButton* b : {Command16, Command13, Command14, Command15, Command3, Command7, Command5}) {
    figures->addWidget(b);
  }

  Command1 = figureButton("Print form", this);
  Command4 = figureButton("Mainform", this);
  Command2 = figureButton("Quit", this);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Frame1, 1);
  bottom->addSpacing(16);
  bottom->addWidget(Command1);
  bottom->addWidget(Command4);
  bottom->addWidget(Command2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MSChart1, 1);
  layout->addLayout(bottom);

  const auto on = [this](QPushButton* button, auto handler) {
    connectClick(button, this, handler, state_, platform_);
  };
  on(Command16, &grafform::ShowSxj);
  on(Command13, &grafform::ShowGij);
  on(Command14, &grafform::ShowDij);
  on(Command15, &grafform::ShowCij);
  on(Command3, &grafform::ShowLx);
  on(Command7, &grafform::ShowLxCx);
  on(Command5, &grafform::ShowCx);
  on(Command1, &grafform::Command1_Click);
  on(Command4, &grafform::Command4_Click);
  on(Command2, &grafform::Command2_Click);
}

// "Print form": an image of the window on the printer.
void grafform::Command1_Click() { printWindowImage(*this, printer_, platform_); }

// "Mainform": back to the main window, keeping this window's content.
void grafform::Command4_Click() { goBack(); }

// "Quit": into the program's quit path.
void grafform::Command2_Click() {
  hide();
  if (quit_) quit_(*this);
}

// Opens with the s(x,j) figure; the window is not shown yet, so no focus moves.
void grafform::Form_Load() { ShowSxj(); }

// What each figure does to this window besides drawing.
FigureWindowSteps grafform::stepsOf(LifeTableFigure figure) {
  switch (figure) {
    case LifeTableFigure::Sxj: return {.chartVisibleAtEnd = true};
    case LifeTableFigure::Gij: return {.chartVisibleAtEnd = true};
    case LifeTableFigure::Dij: return {.chartVisibleAtEnd = true};
    case LifeTableFigure::Cij: return {.focus = Command14};
    case LifeTableFigure::Lx: return {.chartVisibleAtEnd = true, .focus = Command5};
    case LifeTableFigure::LxCx: return {};
    case LifeTableFigure::Cx: return {.chartVisibleAtEnd = true};
  }
  return {};
}

}  // namespace vorelan
