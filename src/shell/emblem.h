#pragma once
// The picture of the author frame: a predatory mite, drawn by the program.
#include <QPixmap>

namespace vorelan {

QPixmap emblemPixmap(int size);

}  // namespace vorelan
