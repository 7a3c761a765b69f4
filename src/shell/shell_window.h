#pragma once
// What the start-up, guidance and quit windows share: the program's state and
// user interface, their printer, and short helpers that build their controls.
#include <QPushButton>
#include <initializer_list>
#include <string>

#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "ui/window_handler.h"
#include "ui/window_printing.h"
#include "ui/window_switching.h"

class QBoxLayout;
class QLabel;
class QPlainTextEdit;

namespace vorelan {

class ShellWindows;

struct ShellContext {
  WindowSwitcher& switcher;
  AnalysisState& state;
  Platform& platform;
  PrinterSource printer;
  ShellWindows* windows = nullptr;  // how one window opens another
};

// A window of the shell that the main window opens and that goes back to it.
class ShellWindow : public SecondaryWindow {
 public:
  ShellWindow(ShellContext& context, const char* caption);

 protected:
  QPushButton* makeButton(const char* caption, const char* tooltip = nullptr);
  // Connects a button to one of the window's handlers, run at the handler boundary.
  template <class Window, class Handler>
  void on(QPushButton* button, Window* window, Handler handler) {
    connectClick(button, window, handler, context_.state, context_.platform);
  }
  // A text the user can read, select and copy, but not change; `name` is
  // what a screen reader calls it.
  QPlainTextEdit* readOnlyText(const char* name, const std::string& text, int pointSize = 11);
  QLabel* wrappedLabel(const std::string& text);
  // The buttons in a row along the bottom, centred.
  void addButtonRow(QBoxLayout& layout, std::initializer_list<QPushButton*> buttons);
  // "Print this page": an image of the window on the printer.
  void printThisWindow();
  ShellWindows& windows() { return *context_.windows; }

  ShellContext& context_;
};

}  // namespace vorelan
