// What SwappedStream does the same way on every system: the test's end of the pipe, written and
// read as a File of the system layer.
#include "support/standard_stream_swap.hpp"

#include <array>

namespace tessark::testing {

SwappedStream::~SwappedStream() {
  restore();
  closeTestEnd();
}

void SwappedStream::put(std::string_view text) {
  testEnd_.write(text);
}

std::string SwappedStream::take(std::size_t size) {
  std::string taken;
  std::array<char, 4096> buffer{};
  while (taken.size() < size) {
    const std::size_t got = testEnd_.read(buffer);
    if (got == 0) break;
    taken.append(buffer.data(), got);
  }
  return taken;
}

void SwappedStream::closeTestEnd() {
  testEnd_ = File();
}

}  // namespace tessark::testing
