#include "report/file_failure.h"

namespace vorelan {

void reportUnwritableFile(Platform& platform, const std::string& path) {
  platform.message.show("The file " + path +
                            " cannot be written. Check that its folder exists, is writable and "
                            "has free space.",
                        OutputFileErrorTitle);
}

}  // namespace vorelan
