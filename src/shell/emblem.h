#pragma once
// The project emblem, shown in the author frame of the main window.
#include <QPixmap>

namespace vorelan {

QPixmap emblemPixmap(int size);

}  // namespace vorelan
