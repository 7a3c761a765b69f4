#include "shell/program.h"

namespace vorelan {

Program::Program() : platform_(ui_.platform()), mainWindow_(std::make_unique<Form1>(state_, platform_)) {
  ui_.setDialogParent(mainWindow_.get());
  ui_.setTextLine(mainWindow_->Label6);
}

Program::~Program() { state_.files.closeAll(); }

void Program::start() { mainWindow_->startUp(); }

}  // namespace vorelan
