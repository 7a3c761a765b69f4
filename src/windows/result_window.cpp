#include "windows/result_window.h"

#include <QShowEvent>

namespace vorelan {

ResultWindow::ResultWindow(WindowSwitcher& switcher, AnalysisState& state, Platform& platform,
                           PrinterSource printer)
    : SecondaryWindow(switcher), state_(state), platform_(platform), printer_(std::move(printer)) {}

void ResultWindow::load() {
  Form_Load();
  loadedAfter_ = finishedRuns(state_);
}

void ResultWindow::printThisPage() { printWindowImage(*this, printer_, platform_); }

void ResultWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous() && finishedRuns(state_) != loadedAfter_) load();
  SecondaryWindow::showEvent(event);
}

QLabel* selectableLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return label;
}

QFrame* horizontalRule(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  return line;
}

}  // namespace vorelan
