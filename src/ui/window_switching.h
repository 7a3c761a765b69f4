#pragma once
// The one rule by which every window of the program is opened and left. One
// window is visible at a time: opening another hides the current one and
// shows the other, modeless. A secondary window's back button hides it and
// shows the main window, so it keeps its content; its close box does the
// same and then unloads it, so the next showing loads it afresh.
#include <QPointer>
#include <QWidget>
#include <functional>

class QCloseEvent;

namespace vorelan {

enum class SwitchOrder { ShowThenHide, HideThenShow };

class WindowSwitcher {
 public:
  explicit WindowSwitcher(QWidget& mainWindow) : main_(&mainWindow) {}

  // Leaves `from` for `to` in the order the button asks for.
  void open(QWidget& from, QWidget& to, SwitchOrder order);
  // The back path of a secondary window.
  void backToMain(QWidget& from);
  QWidget& mainWindow() { return *main_; }

 private:
  QPointer<QWidget> main_;
};

// A window opened from the main window. The close box goes back to the main
// window and unloads this one.
class SecondaryWindow : public QWidget {
 public:
  explicit SecondaryWindow(WindowSwitcher& switcher);
  // True from the moment its close box was used.
  bool unloaded() const { return unloaded_; }

 protected:
  // The back button's work: hide this window and show the main window.
  void goBack();
  WindowSwitcher& switcher() { return switcher_; }
  void closeEvent(QCloseEvent* event) override;

 private:
  WindowSwitcher& switcher_;
  bool unloaded_ = false;
};

// A secondary window loaded on its first showing and again after its close
// box unloaded it. Loading constructs it, which runs its load handler.
template <class Window>
class WindowSlot {
 public:
  explicit WindowSlot(std::function<Window*()> load) : load_(std::move(load)) {}

  Window& get() {
    if (!window_ || window_->unloaded()) window_ = load_();
    return *window_;
  }
  // The window while it is loaded, otherwise null.
  Window* loaded() const { return window_ && !window_->unloaded() ? window_.data() : nullptr; }

 private:
  std::function<Window*()> load_;
  QPointer<Window> window_;
};

}  // namespace vorelan
