// The replaceable calls of the POSIX side, as the C library makes them.
#include "system/posix/replaceable_calls.hpp"

#include <sys/file.h>
#include <unistd.h>

namespace tessark::posix {

int lockFile(int fd, int operation) {
  return ::flock(fd, operation);
}

std::uint32_t effectiveUser() {
  return static_cast<std::uint32_t>(::geteuid());
}

int syncFile(int fd) {
  return ::fsync(fd);
}

}  // namespace tessark::posix
