#include "system/held_folder.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "system/posix/posix_io.hpp"

namespace tessark {
namespace {

int flagsOf(OpenMode mode) {
  switch (mode) {
    case OpenMode::rewrite:
      return O_WRONLY | O_CREAT;
    case OpenMode::append:
      return O_WRONLY | O_CREAT | O_APPEND;
    case OpenMode::read:
      break;
  }
  return O_RDONLY;
}

}  // namespace

HeldFolder::HeldFolder(std::string_view path, Lock lock) : path_(path) {
  const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw posix::errorFrom(errno);
  folder_ = File(fd);
  // flock, of BSD and Linux rather than POSIX, locks the folder itself, which no POSIX lock can:
  // no lock file is left behind, and the lock ends with the process.
  if (lock == Lock::exclusive && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) throw SystemError(FailureKind::heldByAnotherRun, "in use");
    throw posix::errorFrom(errno);
  }
}

File HeldFolder::open(std::string_view name, OpenMode mode) const {
  // O_NONBLOCK: a pipe without a reader or writer must not hang the run; it makes no difference
  // to a regular file.
  const int fd = ::openat(folder_.native(), std::string(name).c_str(),
                          flagsOf(mode) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) {
    // A pipe or a device fails with ENXIO, a folder opened for writing with EISDIR.
    if (errno == ENXIO || errno == EISDIR) {
      throw SystemError(FailureKind::notRegularFile, std::strerror(errno));
    }
    throw posix::errorFrom(errno);
  }
  File file(fd);
  if (!file.regularSize()) throw SystemError(FailureKind::notRegularFile, "not a regular file");
  return file;
}

std::optional<FileIdentity> HeldFolder::identityOf(std::string_view name) const {
  struct stat status {};
  if (::fstatat(folder_.native(), std::string(name).c_str(), &status, 0) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace tessark
