#include "shell/mutter.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QVBoxLayout>

#include "shell/svg_picture.h"

namespace vorelan {

Mutter::Mutter(ShellContext& context) : ShellWindow(context, "Dedication") {
  resize(560, 440);
  Frame1 = new QGroupBox(this);
  Picture1 = new SvgPicture(":/shell/dedication.svg", Frame1);
  Picture1->setMinimumSize(320, 220);
  auto* frame = new QVBoxLayout(Frame1);
  frame->addWidget(Picture1, 0, Qt::AlignCenter);
  Command1 = makeButton("God rest his soul");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1, 1);
  addButtonRow(*layout, {Command1});
  on(Command1, this, &Mutter::Command1_Click);
}

void Mutter::Command1_Click() { EndProgram(); }

// The close box ends the program as the button does, rather than leaving it
// running with nothing but the backdrop.
void Mutter::closeEvent(QCloseEvent* event) {
  event->ignore();
  runWindowHandler(context_.state, context_.platform, [this] { EndProgram(); });
}

// Every file a run left open is closed here, at the real end of the program.
void Mutter::EndProgram() {
  hide();
  context_.state.files.closeAll();
  context_.platform.programExit.endProgram();
}

}  // namespace vorelan
