#include "shell/titlform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace vorelan {
namespace {

// The eight forms of the title, each at a place and in a type of its own.
struct TitleFormLook {
  const char* text;
  QRect place;
  int pointSize;
  const char* colour;
};

constexpr std::array<TitleFormLook, TitleForms> TitleFormLooks{{
    {"VORELAN", {40, 40, 420, 70}, 30, "#f2c744"},
    {"Vorelan", {60, 70, 360, 60}, 24, "#ffffff"},
    {"Age-stage, two-sex life table", {260, 110, 560, 50}, 20, "#9fd36a"},
    {"of consumption", {360, 200, 420, 50}, 22, "#f4e9a6"},
    {"Consumption and predation rates", {80, 260, 700, 60}, 24, "#ffb070"},
    {"V  O  R  E  L  A  N", {120, 150, 640, 70}, 30, "#c9d8e8"},
    {"Vorelan\nlife table of consumption", {200, 80, 500, 140}, 26, "#ffffff"},
    {"VORELAN\nAge-stage, two-sex life table\nof consumption", {60, 60, 760, 260}, 34, "#f2c744"},
}};

}  // namespace

titlform::titlform(std::function<void()> leave) : leave_(std::move(leave)) {
  buildControls();
  Form_Load();
}

void titlform::buildControls() {
  setWindowTitle("Titleform");
  setFixedSize(860, 460);
  setAutoFillBackground(true);
  QPalette blue = palette();
  blue.setColor(QPalette::Window, QColor(0x1d, 0x3f, 0x73));
  setPalette(blue);
  for (std::size_t i = 0; i < TitleForms; ++i) {
    const TitleFormLook& look = TitleFormLooks[i];
    Label1[i] = new QLabel(look.text, this);
    Label1[i]->setGeometry(look.place);
    Label1[i]->setAlignment(Qt::AlignCenter);
    Label1[i]->setStyleSheet(QString("color: %1; font-size: %2pt; font-weight: bold;")
                                 .arg(look.colour)
                                 .arg(look.pointSize));
    Label1[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1[i]->setVisible(false);
  }
  Label2 = new QLabel("Press any key or click mouse to start.", this);
  Label2->setGeometry(0, 380, width(), 40);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setStyleSheet("color: #ffffff; font-size: 15pt;");
  Label2->setAttribute(Qt::WA_TransparentForMouseEvents);
  Timer1 = new QTimer(this);
  connect(Timer1, &QTimer::timeout, this, &titlform::Timer1_Timer);
}

// The animation runs for the whole run of the program, also while hidden.
void titlform::Form_Load() {
  Timer1->setInterval(300);
  Timer1->start();
}

void titlform::Timer1_Timer() {
  const TitleStep step = titleTimerTick(animation_);
  if (step.hide) Label1[static_cast<std::size_t>(*step.hide)]->setVisible(false);
  if (step.show) Label1[static_cast<std::size_t>(*step.show)]->setVisible(true);
}

// Captions and prompt let clicks through to the window, so a press anywhere
// on it leaves the title.
void titlform::keyPressEvent(QKeyEvent*) { LeaveTitle(); }
void titlform::mousePressEvent(QMouseEvent*) { LeaveTitle(); }

void titlform::closeEvent(QCloseEvent* event) {
  event->ignore();
  LeaveTitle();
}

void titlform::LeaveTitle() {
  if (!isVisible()) return;
  hide();
  if (leave_) leave_();
}

}  // namespace vorelan
