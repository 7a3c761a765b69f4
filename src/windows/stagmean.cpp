#include "windows/stagmean.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "results/stage_means.h"

namespace vorelan {
namespace {

QLabel* cellLabel(QWidget* parent, const std::string& text, Qt::Alignment alignment) {
  QLabel* label = selectableLabel(parent, QString::fromStdString(text));
  label->setAlignment(alignment);
  return label;
}

constexpr int Columns = 3;
constexpr int FirstRow = 2;  // below the headings and their rule

}  // namespace

stagmean::stagmean(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer)
    : ResultWindow(switcher, state, platform, std::move(printer)) {
  buildControls();
  load();
}

void stagmean::buildControls() {
  setWindowTitle("Mean of stage");
  resize(560, 520);
  Label4 = selectableLabel(this, "Table of stage means and SEs");
  Label4->setStyleSheet("font-size: 15pt; font-weight: bold;");
  Label4->setAlignment(Qt::AlignCenter);
  Label6 = selectableLabel(this);
  Label6->setWordWrap(true);
  Label6->setAlignment(Qt::AlignCenter);
  Command1 = new QPushButton("OK", this);
  Command2 = new QPushButton("Print this page", this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label4);
  layout->addWidget(Label6);
  layout->addSpacing(8);
  layout->addWidget(buildTable(), 0, Qt::AlignHCenter);
  layout->addStretch(1);
  layout->addLayout(buttons);

  onClick(Command1, this, &stagmean::Command1_Click);
  onClick(Command2, this, &stagmean::Command2_Click);
}

// Headings between two rules; the rows of the stages follow, closed by a third.
QWidget* stagmean::buildTable() {
  auto* box = new QWidget(this);
  box->setMinimumWidth(420);
  box->setMaximumWidth(560);
  table_ = new QGridLayout(box);
  table_->setHorizontalSpacing(40);
  Label7 = cellLabel(box, "Stage", Qt::AlignLeft);
  Label2 = cellLabel(box, "Mean", Qt::AlignRight);
  Label3 = cellLabel(box, "SE", Qt::AlignRight);
  for (QLabel* heading : {Label7, Label2, Label3}) heading->setStyleSheet("font-weight: bold;");
  table_->addWidget(horizontalRule(box), 0, 0, 1, Columns);
  table_->addWidget(Label7, 1, 0);
  table_->addWidget(Label2, 1, 1);
  table_->addWidget(Label3, 1, 2);
  table_->addWidget(horizontalRule(box), FirstRow, 0, 1, Columns);
  closingRule_ = horizontalRule(box);
  return box;
}

void stagmean::clearRows() {
  for (auto* column : {&Label1, &Label8, &Label9}) {
    for (QLabel* label : *column) delete label;
    column->clear();
  }
  table_->removeWidget(closingRule_);
}

void stagmean::Form_Load() {
  const StageMeans means = StageMeanTable(state_.basicRun, state_.files);
  Label6->setText(QString::fromStdString(means.projectLine));
  clearRows();
  QWidget* box = table_->parentWidget();
  int row = FirstRow + 1;
  for (const StageMeanRow& stage : means.rows) {
    Label1.push_back(cellLabel(box, stage.stage, Qt::AlignLeft));
    Label8.push_back(cellLabel(box, stage.mean, Qt::AlignRight));
    Label9.push_back(cellLabel(box, stage.se, Qt::AlignRight));
    table_->addWidget(Label1.back(), row, 0);
    table_->addWidget(Label8.back(), row, 1);
    table_->addWidget(Label9.back(), row, 2);
    ++row;
  }
  table_->addWidget(closingRule_, row, 0, 1, Columns);
}

// "OK": back to the main window, keeping the table.
void stagmean::Command1_Click() { goBack(); }

// "Print this page".
void stagmean::Command2_Click() { printThisPage(); }

}  // namespace vorelan
