#pragma once
// The backdrop: an empty dark blue window behind every other window of the
// program, from its start to its end.
#include <QWidget>

namespace vorelan {

class backform : public QWidget {
 public:
  backform();
};

}  // namespace vorelan
