#include "windows/doneform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "results/output_file_list.h"

namespace vorelan {
namespace {

QLineEdit* fileNameBox(QWidget* parent, const std::string& name) {
  auto* box = new QLineEdit(QString::fromStdString(name), parent);
  box->setReadOnly(true);
  box->setMinimumWidth(420);
  box->setCursorPosition(0);
  return box;
}

}  // namespace

doneform::doneform(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer,
                   std::function<void(QWidget&)> openPrintingHelp)
    : ResultWindow(switcher, state, platform, std::move(printer)), openPrintingHelp_(std::move(openPrintingHelp)) {
  buildControls();
  load();
}

void doneform::buildControls() {
  setWindowTitle("Well done!");
  resize(900, 560);
  Label3 = selectableLabel(this, "Well done!");
  Label3->setStyleSheet("font-size: 24pt; font-weight: bold; color: #1d3f73;");
  Label2 = selectableLabel(this, "The output file is:  ");
  Text1 = {fileNameBox(this, "")};
  Label1 = {nullptr, selectableLabel(this, "The graphic data files are:")};
  for (QLabel* heading : {Label2, Label1[1]}) heading->setStyleSheet("font-weight: bold;");
  Command3 = new QPushButton("What you should know about these files", this);
  Command3->setVisible(static_cast<bool>(openPrintingHelp_));
  Command2 = new QPushButton("Print page", this);
  Command1 = new QPushButton("OK", this);

  auto* listBox = new QWidget(this);
  list_ = new QGridLayout(listBox);
  list_->setContentsMargins(0, 0, 0, 0);
  list_->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Command3);
  buttons->addStretch(1);
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label3);
  layout->addWidget(Label2);
  layout->addWidget(Text1[0]);
  layout->addSpacing(12);
  layout->addWidget(Label1[1]);
  layout->addWidget(listBox);
  layout->addStretch(1);
  layout->addLayout(buttons);

  onClick(Command1, this, &doneform::Command1_Click);
  onClick(Command2, this, &doneform::Command2_Click);
  onClick(Command3, this, &doneform::Command3_Click);
}

void doneform::clearList() {
  for (std::size_t k = 2; k < Label1.size(); ++k) delete Label1[k];
  for (std::size_t k = 1; k < Text1.size(); ++k) delete Text1[k];
  Label1.resize(2);
  Text1.resize(1);
}

void doneform::Form_Load() {
  Command2->setEnabled(true);
  const OutputFileList files = doneformFiles(state_);
  Text1[0]->setText(QString::fromStdString(files.reportFileName));
  Text1[0]->setCursorPosition(0);
  clearList();
  QWidget* listBox = list_->parentWidget();
  int row = 0;
  for (const OutputFileEntry& file : files.files) {
    Label1.push_back(selectableLabel(listBox, QString::fromStdString(file.caption)));
    Text1.push_back(fileNameBox(listBox, file.fileName));
    list_->addWidget(Label1.back(), row, 0);
    list_->addWidget(Text1.back(), row, 1);
    ++row;
  }
}

// "OK": back to the main window.
void doneform::Command1_Click() { goBack(); }

// "Print page".
void doneform::Command2_Click() { printThisPage(); }

// "What you should know about these files": the printing-help window.
void doneform::Command3_Click() {
  if (openPrintingHelp_) openPrintingHelp_(*this);
}

}  // namespace vorelan
