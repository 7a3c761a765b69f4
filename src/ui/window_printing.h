#pragma once
// "Print page" and "Print form": an image of a window on the default printer.
#include <QPrinter>
#include <functional>
#include <memory>

#include "platform/user_interface.h"

class QWidget;

namespace vorelan {

// Where a window's image goes; null when no printer is set up.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

// The default printer of the system, or null when there is none.
std::unique_ptr<QPrinter> defaultPrinter();

// Prints the window as it shows on screen, scaled down to the page if it is
// larger. When there is no printer, or the printer refuses the page, the
// user is told that nothing was printed. True when the page was printed.
bool printWindowImage(QWidget& window, const PrinterSource& source, Platform& platform);

}  // namespace vorelan
