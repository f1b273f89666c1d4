// The replaceable calls of the POSIX side, as the C library makes them.
#include "system/posix/replaceable_calls.hpp"

#include <dirent.h>
#include <fcntl.h>
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

int statAt(int folder, const char* name, struct stat* status, int flags) {
  return ::fstatat(folder, name, status, flags);
}

int openFileAt(int folder, const char* name, int flags, mode_t mode) {
  return ::openat(folder, name, flags, mode);
}

bool namesInFolder(int folder, std::vector<std::string>& names) {
  // fdopendir takes the descriptor it is given: a copy of the folder's, reading from its start.
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  DIR* listing = ::fdopendir(fd);
  if (listing == nullptr) {
    ::close(fd);
    return false;
  }
  while (const dirent* entry = ::readdir(listing)) names.emplace_back(entry->d_name);
  ::closedir(listing);
  return true;
}

}  // namespace tessark::posix
