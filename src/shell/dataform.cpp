#include "shell/dataform.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "guidance/guidance_texts.h"
#include "ui/window_room.h"

namespace vorelan {

dataform::dataform(ShellContext& context) : ShellWindow(context, "Dataform") {
  buildControls();
  Form_Load();
}

void dataform::buildControls() {
  resizeWithinScreen(*this, QSize(1320, 730));
  Label4 = new QLabel(DataFormatHeading, this);
  Label4->setStyleSheet("font-size: 13pt; font-weight: bold;");
  Text1 = readOnlyText("Explanation of the descriptive part", "", 11);
  Text2 = readOnlyText("Explanation of the raw data part", "", 11);
  Command3 = makeButton("Print this page");
  Command1 = makeButton("Back to Main form");

  auto* body = new QGridLayout;
  body->addWidget(buildExample(), 0, 0, 2, 1);
  body->addWidget(Text1, 0, 1);
  body->addWidget(Text2, 1, 1);
  body->setColumnStretch(1, 1);
  // The raw data part takes the longer explanation.
  body->setRowStretch(0, 4);
  body->setRowStretch(1, 6);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label4);
  layout->addLayout(body, 1);
  addButtonRow(*layout, {Command3, Command1});
  on(Command3, this, &dataform::Command3_Click);
  on(Command1, this, &dataform::Command1_Click);
}

// The descriptive lines on green, the raw data on blue, in a fixed-width type.
QWidget* dataform::buildExample() {
  auto* example = new QWidget(this);
  auto* lines = new QVBoxLayout(example);
  lines->setSpacing(0);
  lines->setContentsMargins(0, 0, 0, 0);
  const std::array<std::string, 15> text = exampleDataLines();
  for (std::size_t i = 0; i < text.size(); ++i) {
    Label1[i] = new QLabel(QString::fromStdString(text[i]), example);
    const bool descriptive = static_cast<int>(i) < DescriptiveLines;
    Label1[i]->setStyleSheet(QString("font-family: monospace; font-size: 10pt; padding: 3px 8px; background: %1;")
                                 .arg(descriptive ? "#b8e0a8" : "#a8c8ec"));
    Label1[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines->addWidget(Label1[i]);
    if (static_cast<int>(i) == DescriptiveLines - 1) lines->addSpacing(8);
  }
  lines->addStretch(1);
  return example;
}

// Each text is built once a loading, so a window loaded afresh shows it once.
void dataform::Form_Load() {
  Text1->setPlainText(Text1->toPlainText() + QString::fromStdString(descriptivePartExplanation()));
  Text2->setPlainText(Text2->toPlainText() + QString::fromStdString(rawDataExplanation()));
}

void dataform::Command3_Click() { printThisWindow(); }

void dataform::Command1_Click() { goBack(); }

}  // namespace vorelan
