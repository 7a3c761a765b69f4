#include "windows/ResultFm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "results/result_tables.h"

namespace vorelan {

ResultFm::ResultFm(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer)
    : ResultWindow(switcher, state, platform, std::move(printer)) {
  buildControls();
  load();
}

void ResultFm::buildControls() {
  setWindowTitle("Results");
  resize(1000, 660);
  SSTab1 = new QTabWidget(this);
  for (GridTable*& grid : MSFlexGrid1) grid = new GridTable(SSTab1);
  Label1 = selectableLabel(this, "For more information, please check the output file.");
  Command1 = new QPushButton("Back to the mainform", this);
  Command1->setCursor(Qt::PointingHandCursor);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Label1, 1);
  bottom->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SSTab1, 1);
  layout->addLayout(bottom);

  onClick(Command1, this, &ResultFm::Command1_Click);
}

// One tab per table, each filled from the Basic Run's results; the window
// opens on the mean consumption.
void ResultFm::Form_Load() {
  const std::vector<ResultTab> tabs = ResultTables(state_.basicRun);
  SSTab1->clear();
  for (std::size_t k = 0; k < tabs.size() && k < MSFlexGrid1.size(); ++k) {
    MSFlexGrid1[k]->showGrid(tabs[k].grid);
    MSFlexGrid1[k]->setAccessibleName(QString::fromStdString(tabs[k].caption));
    SSTab1->addTab(MSFlexGrid1[k], QString::fromStdString(tabs[k].caption));
  }
  SSTab1->setCurrentIndex(ResultFmOpeningTab);
  widenToShowAllTabs();
}

// The window opens on the last tab; were the bar scrolled, the first tabs
// would be out of sight and a user might not know the matrices are there.
void ResultFm::widenToShowAllTabs() {
  const QMargins margins = layout()->contentsMargins();
  const int frame = 2 * SSTab1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, SSTab1);
  const int wanted = SSTab1->tabBar()->sizeHint().width() + margins.left() + margins.right() + frame;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const int available = screen ? screen->availableGeometry().width() : wanted;
  if (width() < wanted) resize(std::min(wanted, std::max(width(), available)), height());
}

// "Back to the mainform".
void ResultFm::Command1_Click() { goBack(); }

}  // namespace vorelan
