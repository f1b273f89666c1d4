// The standard streams on POSIX: descriptors 0, 1 and 2, fcntl to tell whether one is open,
// /dev/null for a closed standard error, SIGPIPE and SIGXFSZ ignored so that a failed write
// returns. Departs from the contract nowhere.
#include "system/standard_streams.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>

#include "system/posix/posix_io.hpp"

namespace tessark {

using posix::descriptorOf;

bool isOpen(StandardStream stream) {
  return ::fcntl(descriptorOf(stream), F_GETFD) >= 0 || errno != EBADF;
}

bool openStandardErrorOnNullDevice() {
  // Standard input and output are open, so the null device takes number 2, the lowest free one.
  const int fd = ::open("/dev/null", O_WRONLY);
  if (fd == STDERR_FILENO) return true;
  if (fd >= 0) ::close(fd);
  return false;
}

void letFailedWritesReturn() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

std::size_t readStandardInput(char* buffer, std::size_t size) {
  return posix::readSome(STDIN_FILENO, buffer, size);
}

bool writeStandard(StandardStream stream, const char* text, std::size_t size) {
  std::uint64_t written = 0;
  return posix::writeAll(descriptorOf(stream), text, size, written) == 0;
}

}  // namespace tessark
