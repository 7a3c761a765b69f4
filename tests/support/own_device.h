#pragma once
// Devices of a test's own, made in its own folder. Should the code under
// test replace or remove what stands at a result's name, it is this node
// that goes, never the machine's own device, which as root a rename could
// turn into a plain file.
#include <filesystem>
#include <sys/stat.h>
#include <sys/types.h>

namespace vorelan::testing {

// A device node at `path` that is the device `systemDevice` (say /dev/full)
// under another name. Only root may make one: false for anyone else, and
// where the system refuses even root.
inline bool makeDeviceLike(const std::filesystem::path& path, const char* systemDevice) {
  struct stat device{};
  if (::stat(systemDevice, &device) != 0 || !(S_ISCHR(device.st_mode) || S_ISBLK(device.st_mode))) return false;
  return ::mknod(path.c_str(), (device.st_mode & S_IFMT) | 0666, device.st_rdev) == 0;
}

// Something at `path` that is no plain file and no folder: a device like
// `systemDevice` where one may be made, else a named pipe. True when made.
inline bool makeDeviceOrPipe(const std::filesystem::path& path, const char* systemDevice) {
  return makeDeviceLike(path, systemDevice) || ::mkfifo(path.c_str(), 0600) == 0;
}

}  // namespace vorelan::testing
