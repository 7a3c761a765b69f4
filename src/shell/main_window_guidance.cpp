// The main window's ways into the introduction, guidance and quit windows,
// and the sayings it shows when the program starts.
#include <QFile>

#include "guidance/program_texts.h"
#include "guidance/sayings.h"
#include "shell/main_window.h"

namespace vorelan {

void Form1::connectGuidanceHandlers() {
  const auto on = [this](QPushButton* button, void (Form1::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { handle([this, handler] { (this->*handler)(); }); });
  };
  on(Command9, &Form1::Command9_Click);
  on(Command24, &Form1::Command24_Click);
  on(Command25, &Form1::Command25_Click);
  on(Command26, &Form1::Command26_Click);
  // A click already leaves this window, so a double click never reaches these.
  const auto onClick = [this](ClickableLabel* label, void (Form1::*handler)()) {
    label->onClick = [this, handler] { handle([this, handler] { (this->*handler)(); }); };
  };
  onClick(Label12, &Form1::Label12_Click);
  onClick(Label13, &Form1::Label13_Click);
  onClick(Label14, &Form1::Label13_Click);
  onClick(Image1, &Form1::Label13_Click);
  onClick(Label6, &Form1::Label6_Click);
  onClick(Label10, &Form1::Label6_Click);
}

// The usage hint with a saying in the large label, another saying (or the
// hint) in the grey box; the sayings travel in the program's resources.
void Form1::ShowSayings() {
  QFile file(":/shell/sayings.txt");
  const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  const std::vector<std::string> Quotation =
      quotationTable(sayingsFromText(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))),
                     usageHint());
  const DrawnSayings drawn = drawSayings(Quotation, platform_.random);
  Label14->setText(QString::fromStdString(drawn.Label14));
  Label3->setText(QString::fromStdString(drawn.Label3));
  Label3->setVisible(true);
}

void Form1::OpenShellWindow(ShellWindowKind kind) { shellWindows_.open(kind, *this); }

// "Note well".
void Form1::Command9_Click() { OpenShellWindow(ShellWindowKind::Howto); }
// "Data format".
void Form1::Command24_Click() { OpenShellWindow(ShellWindowKind::dataform); }
// "References".
void Form1::Command25_Click() { OpenShellWindow(ShellWindowKind::Referenc); }
// The quiz picture.
void Form1::Command26_Click() { OpenShellWindow(ShellWindowKind::Quiz); }
// The date and the contact block.
void Form1::Label6_Click() { OpenShellWindow(ShellWindowKind::Introfrm); }
// The program's title.
void Form1::Label12_Click() { OpenShellWindow(ShellWindowKind::Intro0); }
// The greeting, the usage hint and the photograph.
void Form1::Label13_Click() { OpenShellWindow(ShellWindowKind::Howto); }

}  // namespace vorelan
