#include "windows/doneform.h"

#include <algorithm>

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include "results/output_file_list.h"
#include "ui/window_room.h"

namespace vorelan {
namespace {

constexpr int ShortestBox = 420;

// A box wide enough for its whole name: a path cut at the box's edge hides
// the part that tells the files apart.
void fitToName(QLineEdit* box) {
  QStyleOptionFrame frame;
  frame.initFrom(box);
  const int textWidth = box->fontMetrics().horizontalAdvance(box->text()) + 2 * box->fontMetrics().averageCharWidth();
  const QSize needed = box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(textWidth, 0), box);
  box->setMinimumWidth(std::max(ShortestBox, needed.width()));
  box->setCursorPosition(0);
}

QLineEdit* fileNameBox(QWidget* parent, const std::string& name) {
  auto* box = new QLineEdit(QString::fromStdString(name), parent);
  box->setReadOnly(true);
  fitToName(box);
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
  Label1 = {nullptr};
  Label2->setStyleSheet("font-weight: bold;");
  Command3 = new QPushButton("What you should know about these files", this);
  Command3->setVisible(static_cast<bool>(openPrintingHelp_));
  Command2 = new QPushButton("Print page", this);
  Command1 = new QPushButton("OK", this);

  // The names and the list scroll when the longest path is wider than the
  // window can be.
  auto* page = new QWidget;
  auto* listBox = new QWidget(page);
  list_ = new QGridLayout(listBox);
  list_->setContentsMargins(0, 0, 0, 0);
  list_->setColumnStretch(0, 1);
  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidget(page);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Command3);
  buttons->addStretch(1);
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);
  auto* names = new QVBoxLayout(page);
  names->setContentsMargins(0, 0, 0, 0);
  Label2->setParent(page);
  Text1[0]->setParent(page);
  names->addWidget(Label2);
  names->addWidget(Text1[0]);
  names->addWidget(listBox);
  names->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label3);
  layout->addWidget(scroll_, 1);
  layout->addLayout(buttons);

  onClick(Command1, this, &doneform::Command1_Click);
  onClick(Command2, this, &doneform::Command2_Click);
  onClick(Command3, this, &doneform::Command3_Click);
}

void doneform::clearList() {
  for (std::size_t k = 1; k < Label1.size(); ++k) delete Label1[k];
  for (std::size_t k = 1; k < Text1.size(); ++k) delete Text1[k];
  for (QLabel* heading : Headings) delete heading;
  Label1.resize(1);
  Text1.resize(1);
  Headings.clear();
}

void doneform::Form_Load() {
  Command2->setEnabled(true);
  const OutputFileList files = doneformFiles(state_);
  Text1[0]->setText(QString::fromStdString(files.reportBoxText()));
  Text1[0]->setAccessibleName(Label2->text().trimmed());
  fitToName(Text1[0]);
  clearList();
  QWidget* listBox = list_->parentWidget();
  int row = 0;
  for (const OutputFileGroup& group : files.groups) {
    Headings.push_back(selectableLabel(listBox, QString::fromStdString(group.heading)));
    Headings.back()->setStyleSheet("font-weight: bold; margin-top: 12px;");
    list_->addWidget(Headings.back(), row++, 0);
    for (const OutputFileEntry& file : group.files) {
      Label1.push_back(selectableLabel(listBox, QString::fromStdString(file.caption)));
      Text1.push_back(fileNameBox(listBox, file.fileName));
      Text1.back()->setAccessibleName(QString::fromStdString(file.caption));
      // Each caption over its box, so that the name has the window's width.
      list_->addWidget(Label1.back(), row++, 0);
      list_->addWidget(Text1.back(), row++, 0);
    }
  }
  growToShowNames();
}

// Opens large enough for every name where the screen allows it.
void doneform::growToShowNames() {
  const QSize page = scroll_->widget()->sizeHint();
  const QMargins margins = layout()->contentsMargins();
  const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
  const QSize wanted(page.width() + margins.left() + margins.right() + scrollBar,
                     sizeHint().height() - scroll_->sizeHint().height() + page.height() + scrollBar);
  const QSize available = roomOnScreen(*this);
  resize(std::clamp(wanted.width(), width(), std::max(width(), available.width())),
         std::clamp(wanted.height(), height(), std::max(height(), available.height())));
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
