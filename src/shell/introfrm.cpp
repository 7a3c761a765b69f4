#include "shell/introfrm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "guidance/introduction_texts.h"
#include "ui/window_room.h"

namespace vorelan {

Introfrm::Introfrm(ShellContext& context) : ShellWindow(context, "Introduction") {
  resizeWithinScreen(*this, QSize(1040, 700));
  Text1 = readOnlyText("Introduction", introductionEssay(), 13);
  Command1 = makeButton("OK");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1, 1);
  addButtonRow(*layout, {Command1});
  on(Command1, this, &Introfrm::Command1_Click);
}

void Introfrm::Command1_Click() { goBack(); }

}  // namespace vorelan
