#include "shell/referenc.h"

#include <QLabel>
#include <QVBoxLayout>

#include "guidance/references.h"
#include "shell/shell_windows.h"

namespace vorelan {

Referenc::Referenc(ShellContext& context) : ShellWindow(context, "References") {
  resize(1000, 660);
  auto* layout = new QVBoxLayout(this);
  Heading = new QLabel(ReferencesHeading, this);
  Heading->setStyleSheet("font-size: 16pt; font-weight: bold; color: #1d3f73;");
  layout->addWidget(Heading);
  for (const std::string& reference : references()) {
    QLabel* citation = wrappedLabel(reference);
    citation->setStyleSheet("font-size: 11pt; padding: 2px 0px;");
    Citations.push_back(citation);
    layout->addWidget(citation);
  }
  layout->addStretch(1);
  Command1 = makeButton("Back to main form");
  Command2 = makeButton("Quit");
  addButtonRow(*layout, {Command1, Command2});
  on(Command1, this, &Referenc::Command1_Click);
  on(Command2, this, &Referenc::Command2_Click);
}

void Referenc::Command1_Click() { goBack(); }

void Referenc::Command2_Click() { windows().quitFrom(*this); }

}  // namespace vorelan
