#include "windows/JackBootform.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QTime>
#include <QVBoxLayout>

#include "results/resampling_result.h"

namespace vorelan {
namespace {

constexpr int Columns = 3;

}  // namespace

JackBootform::JackBootform(WindowSwitcher& switcher, AnalysisState& state, Platform& platform,
                           PrinterSource printer, std::function<void()> closeAnalysis)
    : ResultWindow(switcher, state, platform, std::move(printer)), closeAnalysis_(std::move(closeAnalysis)) {
  buildControls();
  load();
}

void JackBootform::buildControls() {
  setWindowTitle("Jackknife form");
  resize(620, 380);
  auto* tableBox = new QWidget(this);
  tableBox->setMinimumWidth(520);
  tableBox->setMaximumWidth(640);
  auto* table = new QGridLayout(tableBox);
  table->setContentsMargins(0, 0, 0, 0);
  table->setHorizontalSpacing(36);
  placeLabels(table);
  Line1[1] = horizontalRule(this);
  Line1[2] = horizontalRule(this);
  table->addWidget(Line1[1], 2, 0, 1, Columns);
  table->addWidget(Line1[2], 4, 0, 1, Columns);
  Label4->setStyleSheet("font-size: 15pt; font-weight: bold;");
  for (QLabel* heading : {Label8, Label2, Label3}) heading->setStyleSheet("font-weight: bold;");
  for (QLabel* value : {Label2, Label3, Label7[3], Label7[7]}) value->setAlignment(Qt::AlignRight);

  Command2 = new QPushButton("Print this page", this);
  Command1 = new QPushButton("Go back to mainform", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tableBox, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  layout->addLayout(buttons);

  onClick(Command1, this, &JackBootform::Command1_Click);
  onClick(Command2, this, &JackBootform::Command2_Click);
}

// The labels and where they stand: heading, project, the table of C0
// between its rules, then the date and the time.
void JackBootform::placeLabels(QGridLayout* table) {
  const struct {
    QLabel** label;
    const char* caption;
    int row, column, span;
  } places[] = {
      {&Label4, "The net consumption rate", 0, 0, Columns},
      {&Label5, "Project:", 1, 0, 1},
      {&Label6, "", 1, 1, 2},
      {&Label8, "Parameter", 3, 0, 1},
      {&Label2, "Mean", 3, 1, 1},
      {&Label3, "SE", 3, 2, 1},
      {&Label1[3], "The net consumption rate (C0)", 5, 0, 1},
      {&Label7[3], "", 5, 1, 1},
      {&Label7[7], "", 5, 2, 1},
      {&Label9, "Date:", 7, 0, 1},
      {&Label10, "", 7, 1, 1},
      {&Label11, "Time:", 8, 0, 1},
      {&Label12, "", 8, 1, 1},
  };
  for (const auto& place : places) {
    *place.label = selectableLabel(this, place.caption);
    table->addWidget(*place.label, place.row, place.column, 1, place.span);
  }
  table->setRowMinimumHeight(6, 24);
}

void JackBootform::Form_Load() {
  const ResamplingResultLabels labels = JackBootResult(state_);
  Label6->setText(QString::fromStdString(labels.project));
  Label7[3]->setText(QString::fromStdString(labels.mean));
  Label7[7]->setText(QString::fromStdString(labels.se));
  Label10->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
  Label12->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
  QApplication::beep();
}

// "Go back to mainform". Once a resampling run has finished, the analysis of
// this run of the program ends here; before, nothing was analysed to close.
void JackBootform::Command1_Click() {
  goBack();
  if (resamplingFinished(state_) && closeAnalysis_) closeAnalysis_();
}

// "Print this page".
void JackBootform::Command2_Click() { printThisPage(); }

}  // namespace vorelan
