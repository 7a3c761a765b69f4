#pragma once
// Every click handler of the windows runs its work here. A data error ends
// the program through runHandler; any other fault that reaches a window is
// told to the user, every open file is closed and the program ends, rather
// than the process breaking off with the report half written.
#include <QObject>
#include <QPushButton>
#include <exception>
#include <string>

#include "runs/handler_boundary.h"

namespace vorelan {

template <class Work>
bool runWindowHandler(AnalysisState& state, Platform& platform, Work&& work) {
  try {
    return runHandler(state, platform, std::forward<Work>(work));
  } catch (const std::exception& fault) {
    state.files.closeAll();
    platform.message.show(std::string("The program met an internal fault and must end:\n") + fault.what(),
                          "Internal error");
    platform.programExit.endProgram();
    return false;
  }
}

// Connects a button's click to one of the window's handlers (a member
// function of the window or of one of its bases), run at the boundary.
template <class Window, class Handler>
void connectClick(QPushButton* button, Window* window, Handler handler, AnalysisState& state,
                  Platform& platform) {
  QObject::connect(button, &QPushButton::clicked, window, [window, handler, &state, &platform] {
    runWindowHandler(state, platform, [window, handler] { (window->*handler)(); });
  });
}

}  // namespace vorelan
