// The main window's side of the bootstrap run: the begin and end labels,
// Label6's sign while the replicates run, and the histogram of C0.
#include <QDateTime>
#include <QLocale>

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
    lblBootBegin->setText(QString::fromStdString(state_.bootSummary.BootBeginText));
    applyControlStates();
  };
  window.runEnded = [this] {
    setWindowTitle(titleBeforeRun_);
    drawFreqC0();
    lblBootEnd->setText(QString::fromStdString(state_.bootSummary.BootEndText));
    applyControlStates();
  };
  vorelan::cmdBootstrap_Click(state_, platform_, backgroundRun_, window);
  setWindowTitle(titleBeforeRun_);
}

void Form1::showReplicateProgress(qint64 done, qint64 total) {
  if (!state_.run.ResamplingRunning || state_.run.ResampleMethod != "b") return;
  const BootstrapProgress progress = bootstrapProgress(done, total);
  while (progressSignsShown_ < progress.signs) {
    ++progressSignsShown_;
    showProgressSign();
  }
}

// The time of the sign, and the other colour.
void Form1::showProgressSign() {
  label6Colour_ = nextSignColour(label6Colour_);
  Label6->setText(QString::fromStdString(presentDateAndTime()));
  Label6->setStyleSheet(QString("font-size: 12pt; font-weight: bold; background: %1;").arg(backColour(label6Colour_)));
}

}  // namespace vorelan
