#include "shell/druckaus.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "guidance/guidance_texts.h"

namespace vorelan {

Druckaus::Druckaus(ShellContext& context) : ShellWindow(context, "How to print") {
  resize(900, 560);
  Text1 = readOnlyText("How to print", printingHelp());
  Text1->setFont(QFont("Times new roman", 14));
  Command2 = makeButton("Print this page");
  Command1 = makeButton("Go Back");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1, 1);
  addButtonRow(*layout, {Command2, Command1});
  on(Command2, this, &Druckaus::Command2_Click);
  on(Command1, this, &Druckaus::Command1_Click);
}

// Prints the window, like every other print button of the program.
void Druckaus::Command2_Click() { printThisWindow(); }

// Back to the main window, not to the output files window it came from.
void Druckaus::Command1_Click() { goBack(); }

}  // namespace vorelan
