#include "shell/intro1.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "guidance/introduction_texts.h"
#include "shell/shell_windows.h"
#include "shell/svg_picture.h"

namespace vorelan {
namespace {

constexpr std::array<const char*, 4> StagePictures{":/shell/egg.svg", ":/shell/larva.svg", ":/shell/pupa.svg",
                                                    ":/shell/adult.svg"};
// The general captions of the window's design; loading replaces them.
constexpr std::array<const char*, 4> StageTitles{"Egg", "Larva", "Pupa", "Adult"};

}  // namespace

Intro1::Intro1(ShellContext& context) : ShellWindow(context, "Introduction I") {
  buildControls();
  Form_Load();
}

void Intro1::buildControls() {
  resize(1240, 640);
  auto* stages = new QHBoxLayout;
  std::array<QLabel**, 4> notes{&Label1, &Label2, &Label3, &Label4};
  for (std::size_t i = 0; i < 4; ++i) {
    Frame1[i] = new QGroupBox(StageTitles[i], this);
    Picture1[i] = new SvgPicture(StagePictures[i], Frame1[i]);
    Picture1[i]->setMinimumSize(280, 210);
    *notes[i] = new QLabel(QString("The ") + StageTitles[i] + " of the insect.", Frame1[i]);
    (*notes[i])->setWordWrap(true);
    (*notes[i])->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (*notes[i])->setStyleSheet("font-size: 12pt;");
    auto* column = new QVBoxLayout(Frame1[i]);
    column->addWidget(Picture1[i], 0, Qt::AlignHCenter);
    column->addWidget(*notes[i], 1);
    stages->addWidget(Frame1[i], 1);
  }
  Label5 = new QLabel(StagesImportanceNote, this);
  Label5->setAlignment(Qt::AlignCenter);
  Label5->setStyleSheet("font-size: 14pt; font-weight: bold; color: #1d3f73;");
  Command1 = makeButton("Go to Mainform");
  Command2 = makeButton("More");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(stages, 1);
  layout->addWidget(Label5);
  addButtonRow(*layout, {Command1, Command2});
  on(Command1, this, &Intro1::Command1_Click);
  on(Command2, this, &Intro1::Command2_Click);
}

// The pictures stand centred in their frames through the layout.
void Intro1::Form_Load() {
  const std::array<std::string, 4> texts = stageNotes();
  const std::array<QLabel*, 4> notes{Label1, Label2, Label3, Label4};
  for (std::size_t i = 0; i < 4; ++i) notes[i]->setText(QString::fromStdString(texts[i]));
}

void Intro1::Command1_Click() { goBack(); }

void Intro1::Command2_Click() { windows().open(ShellWindowKind::Intro0, *this); }

}  // namespace vorelan
