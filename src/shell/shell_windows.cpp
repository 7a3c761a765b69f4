#include "shell/shell_windows.h"

#include "shell/backform.h"
#include "shell/copyrigh.h"
#include "shell/dataform.h"
#include "shell/druckaus.h"
#include "shell/howto.h"
#include "shell/intro0.h"
#include "shell/intro1.h"
#include "shell/introfrm.h"
#include "shell/mutter.h"
#include "shell/quiz.h"
#include "shell/referenc.h"
#include "shell/titlform.h"

namespace vorelan {

ShellWindows::ShellWindows(WindowSwitcher& switcher, AnalysisState& state, Platform& platform,
                           PrinterSource printer)
    : context_{switcher, state, platform, std::move(printer), this} {}

ShellWindows::~ShellWindows() {
  for (auto& [kind, window] : windows_) delete window.data();
}

void ShellWindows::startUp() {
  backform_ = std::make_unique<backform>();
  backform_->showMaximized();
  titlform_ = std::make_unique<titlform>([this] { get(ShellWindowKind::Intro1).show(); });
  titlform_->show();
  titlform_->raise();
  titlform_->activateWindow();
  context_.switcher.mainWindow().hide();
}

// The quiz picture, and the printing help reached from the output files
// window, show first and hide after; every other window the other way round.
void ShellWindows::open(ShellWindowKind kind, QWidget& from) {
  const bool showFirst = kind == ShellWindowKind::Quiz || kind == ShellWindowKind::Druckaus;
  context_.switcher.open(from, get(kind), showFirst ? SwitchOrder::ShowThenHide : SwitchOrder::HideThenShow);
}

void ShellWindows::quitFrom(QWidget& from) { open(ShellWindowKind::copyrigh, from); }

ShellWindow* ShellWindows::loaded(ShellWindowKind kind) const {
  const auto found = windows_.find(kind);
  if (found == windows_.end() || !found->second || found->second->unloaded()) return nullptr;
  return found->second.data();
}

ShellWindow& ShellWindows::get(ShellWindowKind kind) {
  if (ShellWindow* window = loaded(kind)) return *window;
  ShellWindow* window = load(kind);
  windows_[kind] = window;
  return *window;
}

ShellWindow* ShellWindows::load(ShellWindowKind kind) {
  switch (kind) {
    case ShellWindowKind::Intro1: return new Intro1(context_);
    case ShellWindowKind::Intro0: return new Intro0(context_);
    case ShellWindowKind::Introfrm: return new Introfrm(context_);
    case ShellWindowKind::dataform: return new dataform(context_);
    case ShellWindowKind::Howto: return new Howto(context_);
    case ShellWindowKind::Referenc: return new Referenc(context_);
    case ShellWindowKind::Druckaus: return new Druckaus(context_);
    case ShellWindowKind::Quiz: return new Quiz(context_);
    case ShellWindowKind::copyrigh: return new copyrigh(context_);
    case ShellWindowKind::Mutter: return new Mutter(context_);
  }
  return nullptr;
}

}  // namespace vorelan
