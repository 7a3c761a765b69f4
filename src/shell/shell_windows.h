#pragma once
// The windows of the shell besides the main window: the backdrop and the
// title window of the start, the introduction and guidance windows, and the
// two windows of the quit path. Each is loaded on its first showing and
// again after its close box unloaded it.
#include <QPointer>
#include <map>
#include <memory>

#include "shell/shell_window.h"

namespace vorelan {

class backform;
class titlform;

enum class ShellWindowKind { Intro1, Intro0, Introfrm, dataform, Howto, Referenc, Druckaus, Quiz, copyrigh, Mutter };

class ShellWindows {
 public:
  ShellWindows(WindowSwitcher& switcher, AnalysisState& state, Platform& platform, PrinterSource printer);
  ~ShellWindows();
  ShellWindows(const ShellWindows&) = delete;
  ShellWindows& operator=(const ShellWindows&) = delete;

  // The start: the backdrop maximised behind everything, then the title
  // window; the main window stays hidden until an introduction window shows it.
  void startUp();
  // Leaves `from` for the window of that kind.
  void open(ShellWindowKind kind, QWidget& from);
  // The quit path: hides `from` and shows the notice window.
  void quitFrom(QWidget& from);

  // The window while it is loaded, otherwise null.
  ShellWindow* loaded(ShellWindowKind kind) const;
  backform* backdrop() const { return backform_.get(); }
  titlform* title() const { return titlform_.get(); }

 private:
  ShellWindow& get(ShellWindowKind kind);
  ShellWindow* load(ShellWindowKind kind);

  ShellContext context_;
  std::unique_ptr<backform> backform_;
  std::unique_ptr<titlform> titlform_;
  std::map<ShellWindowKind, QPointer<ShellWindow>> windows_;
};

}  // namespace vorelan
