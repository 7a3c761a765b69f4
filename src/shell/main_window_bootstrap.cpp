// The main window's side of the bootstrap run: the begin and end labels,
// Label6's sign while the replicates run, and the histogram of C0.
#include <QDateTime>
#include <QLocale>
#include <QTimer>

#include "runs/bootstrap_run.h"
#include "shell/main_window.h"

namespace vorelan {
namespace {

std::string presentDateAndTime() {
  return QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString();
}

// Label6's back colour after a sign: yellow (FFFF) or green (FF00).
const char* backColour(ProgressSignColour colour) {
  return colour == ProgressSignColour::Green ? "#00ff00" : "#ffff00";
}

}  // namespace

void Form1::cmdBootstrap_Click() {
  titleBeforeRun_ = windowTitle();
  BootstrapRunWindow window;
  window.now = presentDateAndTime;
  window.replicatesBegin = [this] {
    progressSignsShown_ = 0;
    label6ColourAtBegin_ = label6Colour_;
    lblBootBegin->setText(QString::fromStdString(state_.bootSummary.BootBeginText));
    applyControlStates();
  };
  window.runEnded = [this] {
    // The end label is the sign now: Label6 takes its last colour at once.
    if (signColourPause_->isActive()) {
      signColourPause_->stop();
      paintLabel6(label6Colour_);
    }
    setWindowTitle(titleBeforeRun_);
    drawFreqC0();
    lblBootEnd->setText(QString::fromStdString(state_.bootSummary.BootEndText));
    applyControlStates();
  };
  vorelan::cmdBootstrap_Click(state_, platform_, backgroundRun_, window);
  setWindowTitle(titleBeforeRun_);
}

// The time of the sign, and the colour of the thousandths passed; a passing
// colour stands for a moment, so that two thousandths at once still show.
void Form1::showReplicateProgress(qint64 done, qint64 total) {
  if (!state_.run.ResamplingRunning || state_.run.ResampleMethod != "b") return;
  const BootstrapProgress progress = bootstrapProgress(done, total);
  const ProgressSignStep step = progressSignStep(label6ColourAtBegin_, progressSignsShown_, progress.signs);
  if (!step.newSign) return;
  progressSignsShown_ = progress.signs;
  label6Colour_ = step.colour;
  Label6->setText(QString::fromStdString(presentDateAndTime()));
  signColourPause_->stop();
  paintLabel6(step.passingColour.value_or(step.colour));
  if (step.passingColour) signColourPause_->start();
}

void Form1::paintLabel6(ProgressSignColour colour) {
  Label6->setStyleSheet(QString("font-size: 12pt; font-weight: bold; background: %1;").arg(backColour(colour)));
}

}  // namespace vorelan
