// SwappedStream on POSIX: the stream's descriptor saved with dup and put back with dup2.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include "support/standard_stream_swap.hpp"
#include "system/posix/posix_io.hpp"

namespace tessark::testing {

SwappedStream::SwappedStream(StandardStream stream, With with) : stream_(stream) {
  const int fd = posix::descriptorOf(stream);
  std::fflush(nullptr);
  saved_ = ::dup(fd);
  if (saved_ < 0) throw std::runtime_error("dup failed");
  if (with == With::nothing) {
    ::close(fd);
    return;
  }
  if (with == With::unreadable) {
    const File writeOnly(::open("/dev/null", O_WRONLY));
    ::dup2(writeOnly.native(), fd);
    return;
  }
  int ends[2];
  if (::pipe(ends) != 0) throw std::runtime_error("pipe failed");
  const bool input = stream == StandardStream::input;
  const File streamEnd(input ? ends[0] : ends[1]);
  testEnd_ = File(input ? ends[1] : ends[0]);
  ::dup2(streamEnd.native(), fd);
  if (with == With::nonBlockingPipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

void SwappedStream::restore() {
  if (restored_) return;
  restored_ = true;
  ::dup2(saved_, posix::descriptorOf(stream_));
  ::close(saved_);
}

}  // namespace tessark::testing
