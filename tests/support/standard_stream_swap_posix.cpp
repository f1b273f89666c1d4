// SwappedStream on POSIX: the stream's descriptor saved with dup and put back with dup2.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <utility>

#include "support/standard_stream_swap.hpp"

namespace tessark::testing {
namespace {

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

}  // namespace

SwappedStream::SwappedStream(StandardStream stream, With with) : stream_(stream) {
  const int fd = descriptorOf(stream);
  std::fflush(nullptr);
  saved_ = ::dup(fd);
  if (saved_ < 0) throw std::runtime_error("dup failed");
  if (with == With::nothing) {
    ::close(fd);
    return;
  }
  if (with == With::unreadable) {
    const int writeOnly = ::open("/dev/null", O_WRONLY);
    ::dup2(writeOnly, fd);
    ::close(writeOnly);
    return;
  }
  int ends[2];
  if (::pipe(ends) != 0) throw std::runtime_error("pipe failed");
  const bool input = stream == StandardStream::input;
  const int streamEnd = input ? ends[0] : ends[1];
  testEnd_ = input ? ends[1] : ends[0];
  ::dup2(streamEnd, fd);
  ::close(streamEnd);
  if (with == With::nonBlockingPipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

SwappedStream::~SwappedStream() {
  restore();
  closeTestEnd();
}

void SwappedStream::put(std::string_view text) {
  if (::write(static_cast<int>(testEnd_), text.data(), text.size()) !=
      static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("write to the pipe failed");
  }
}

std::string SwappedStream::take(std::size_t size) {
  std::string taken;
  char buffer[4096];
  while (taken.size() < size) {
    const ssize_t got = ::read(static_cast<int>(testEnd_), buffer, sizeof buffer);
    if (got <= 0) break;
    taken.append(buffer, static_cast<std::size_t>(got));
  }
  return taken;
}

void SwappedStream::closeTestEnd() {
  if (testEnd_ >= 0) ::close(static_cast<int>(std::exchange(testEnd_, -1)));
}

void SwappedStream::restore() {
  if (restored_) return;
  restored_ = true;
  ::dup2(static_cast<int>(saved_), descriptorOf(stream_));
  ::close(static_cast<int>(saved_));
}

}  // namespace tessark::testing
