#include "shell/quiz.h"

#include <QVBoxLayout>

#include "shell/svg_picture.h"

namespace vorelan {

Quiz::Quiz(ShellContext& context) : ShellWindow(context, "Quiz") {
  resize(820, 520);
  Image1 = new SvgPicture(":/shell/quiz.svg", this);
  Image1->setMinimumSize(560, 320);
  Command1 = makeButton("Back to the mainform");
  // The picture centred across the window, a little above its middle.
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addWidget(Image1, 4);
  layout->addStretch(2);
  addButtonRow(*layout, {Command1});
  on(Command1, this, &Quiz::Command1_Click);
}

void Quiz::Command1_Click() { goBack(); }

}  // namespace vorelan
