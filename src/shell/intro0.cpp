#include "shell/intro0.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "guidance/introduction_texts.h"
#include "shell/intro_diagram_view.h"
#include "shell/shell_windows.h"

namespace vorelan {

Intro0::Intro0(ShellContext& context) : ShellWindow(context, "Introduction") {
  buildControls();
  Form_Load();
}

void Intro0::buildControls() {
  resize(1240, 640);
  Diagram = new IntroDiagramView(this);
  Text2 = readOnlyText("Basic introduction", "", 12);
  Text2->setMinimumWidth(300);
  Command1 = makeButton("Go to mainform");
  Command2 = makeButton("More introduction");

  auto* body = new QHBoxLayout;
  body->addWidget(Diagram, 0, Qt::AlignTop);
  body->addWidget(Text2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  addButtonRow(*layout, {Command1, Command2});
  on(Command1, this, &Intro0::Command1_Click);
  on(Command2, this, &Intro0::Command2_Click);
}

void Intro0::Form_Load() { Text2->setPlainText(QString::fromStdString(diagramExplanation())); }

void Intro0::Command1_Click() { goBack(); }

void Intro0::Command2_Click() { windows().open(ShellWindowKind::Intro1, *this); }

}  // namespace vorelan
