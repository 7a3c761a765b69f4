#include "shell/howto.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "guidance/guidance_texts.h"

namespace vorelan {

Howto::Howto(ShellContext& context) : ShellWindow(context, "Note well!") {
  resize(960, 640);
  Text1 = readOnlyText("Note well", specialNote(), 13);
  Command1 = makeButton("Back to the main form");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1, 1);
  addButtonRow(*layout, {Command1});
  on(Command1, this, &Howto::Command1_Click);
}

void Howto::Command1_Click() { goBack(); }

}  // namespace vorelan
