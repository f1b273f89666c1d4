#include "foundation/standard_streams.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <utility>

namespace tessark {
namespace {

bool isClosed(int fd) {
  return ::fcntl(fd, F_GETFD) < 0 && errno == EBADF;
}

}  // namespace

bool standardStreamsReady() {
  for (const auto& [fd, name] : {std::pair{STDIN_FILENO, "input"}, {STDOUT_FILENO, "output"}}) {
    if (isClosed(fd)) {
      std::cerr << "Tessark: standard " << name
                << " is closed; start Tessark with the answers on standard input and the "
                   "dialogue on standard output.\n";
      return false;
    }
  }
  // Standard input and output are open, so /dev/null takes number 2, the lowest free one. Where
  // it cannot, stop: a file of Tessark's would take the number and receive the error messages.
  return !isClosed(STDERR_FILENO) || ::open("/dev/null", O_WRONLY) == STDERR_FILENO;
}

}  // namespace tessark
