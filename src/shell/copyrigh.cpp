#include "shell/copyrigh.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "guidance/notice_texts.h"
#include "shell/shell_windows.h"
#include "shell/svg_picture.h"

namespace vorelan {

copyrigh::copyrigh(ShellContext& context) : ShellWindow(context, "Copyright") {
  buildControls();
  Form_Load();
}

void copyrigh::buildControls() {
  resize(900, 600);
  Picture1 = new SvgPicture(":/shell/emblem.svg", this);
  Picture1->setFixedSize(160, 160);
  auto* notices = new QVBoxLayout;
  const std::vector<std::string> lines = noticeLines(QDate::currentDate().year());
  for (std::size_t i = 0; i < NoticeLabels.size(); ++i) {
    NoticeLabels[i] = wrappedLabel(i < lines.size() ? lines[i] : "");
    NoticeLabels[i]->setStyleSheet("font-size: 11pt;");
    notices->addWidget(NoticeLabels[i]);
  }
  NoticeLabels[0]->setStyleSheet("font-size: 13pt; font-weight: bold; color: #b00000;");
  auto* top = new QHBoxLayout;
  top->addWidget(Picture1, 0, Qt::AlignTop);
  top->addLayout(notices, 1);

  Label7 = wrappedLabel("");
  Label7->setStyleSheet("font-size: 12pt; background: #fdf8e8; padding: 8px;");
  Label6 = wrappedLabel("");
  Label6->setStyleSheet("font-size: 12pt; padding: 8px;");
  Command1 = makeButton("OK");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Label7);
  layout->addWidget(Label6);
  layout->addStretch(1);
  addButtonRow(*layout, {Command1});
  on(Command1, this, &copyrigh::Command1_Click);
}

void copyrigh::Form_Load() {
  Label7->setText(QString::fromStdString(citationRequest()));
  Label6->setText(QString::fromStdString(newVersionPlaces()));
}

void copyrigh::Command1_Click() { windows().open(ShellWindowKind::Mutter, *this); }

}  // namespace vorelan
