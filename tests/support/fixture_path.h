#pragma once
#include <string>

namespace vorelan::testing {

// Full path of a data file under tests/fixtures.
inline std::string fixturePath(const std::string& name) {
  return std::string(VORELAN_FIXTURE_DIR) + "/" + name;
}

}  // namespace vorelan::testing
