#pragma once
// What the result windows share: they read the analysis state, print an
// image of themselves, and show what the state holds when they are shown.
// Their content is fixed when they are loaded; when a run has finished since
// then, showing them loads it afresh, so that no window shows results that
// a later run has replaced.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "results/finished_runs.h"
#include "ui/window_handler.h"
#include "ui/window_printing.h"
#include "ui/window_switching.h"

class QShowEvent;

namespace vorelan {

class ResultWindow : public SecondaryWindow {
 protected:
  ResultWindow(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer);

  // Fills the window from the state; the window's load handler.
  virtual void Form_Load() = 0;
  // Runs the load handler and notes which runs had finished by then.
  void load();
  void printThisPage();
  void showEvent(QShowEvent* event) override;

  // Connects a button to a handler of the window, run at the handler boundary.
  template <class Window, class Handler>
  void onClick(QPushButton* button, Window* window, Handler handler) {
    connectClick(button, window, handler, state_, platform_);
  }

  AnalysisState& state_;
  Platform& platform_;

 private:
  PrinterSource printer_;
  FinishedRuns loadedAfter_;
};

// A label whose text the user can select and copy.
QLabel* selectableLabel(QWidget* parent, const QString& text = {});
// A rule of a table drawn with labels.
QFrame* horizontalRule(QWidget* parent);

}  // namespace vorelan
