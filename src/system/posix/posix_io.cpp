// The POSIX side's shared helpers: errno turned into SystemError, fstat, and reads and writes
// that poll a descriptor that another program left non-blocking.
#include "system/posix/posix_io.hpp"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessark::posix {
namespace {

// Waits until `fd` is ready for `events`, at most `limit` milliseconds (-1: as long as it takes);
// false when the time ran out. A descriptor left non-blocking by the program that shares it
// answers EAGAIN; its flags are shared, so they are left as they are.
bool waitFor(int fd, short events, int limit = -1) {
  pollfd ready{fd, events, 0};
  for (;;) {
    const int result = ::poll(&ready, 1, limit);
    if (result >= 0) return result > 0;
    if (errno != EINTR) return true;  // the next call says what is wrong
  }
}

}  // namespace

int descriptorOf(StandardStream stream) {
  switch (stream) {
    case StandardStream::input:
      return STDIN_FILENO;
    case StandardStream::output:
      return STDOUT_FILENO;
    case StandardStream::error:
      break;
  }
  return STDERR_FILENO;
}

SystemError errorFrom(int error) {
  switch (error) {
    case ENOENT:
      return {FailureKind::missing, std::strerror(error)};
    case EISDIR:
      return {FailureKind::isFolder, std::strerror(error)};
    case ENXIO:
      return {FailureKind::noReader, std::strerror(error)};
    case EACCES:
    case EPERM:
      return {FailureKind::notPermitted, std::strerror(error)};
    default:
      return {FailureKind::other, std::strerror(error)};
  }
}

struct stat statusOf(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) throw errorFrom(errno);
  return status;
}

std::size_t readSome(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      waitFor(fd, POLLIN);
    } else if (errno != EINTR) {
      throw errorFrom(errno);
    }
  }
}

int writeAll(int fd, const char* text, std::size_t size, std::uint64_t& written, int limit) {
  while (size > 0) {
    const ssize_t put = ::write(fd, text, size);
    if (put > 0) {
      written += static_cast<std::uint64_t>(put);
      text += put;
      size -= static_cast<std::size_t>(put);
    } else if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!waitFor(fd, POLLOUT, limit)) return ETIMEDOUT;
    } else if (put < 0 && errno != EINTR) {
      return errno;
    } else if (put == 0) {
      return EIO;  // a write that takes nothing would be tried for ever
    }
  }
  return 0;
}

}  // namespace tessark::posix
