// SwappedStream: a standard stream of the test process put in another place (a pipe, nothing, a
// handle that cannot be read) while the object stands, and put back after, so that the reads
// and writes of the system layer can be tried on it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "system/file.hpp"
#include "system/standard_streams.hpp"

namespace tessark::testing {

class SwappedStream {
 public:
  enum class With { pipe, nonBlockingPipe, nothing, unreadable };

  SwappedStream(StandardStream stream, With with);
  ~SwappedStream();
  SwappedStream(const SwappedStream&) = delete;
  SwappedStream& operator=(const SwappedStream&) = delete;

  // Into the pipe of standard input.
  void put(std::string_view text);
  // From the pipe of standard output or error: `size` bytes, waiting for them.
  std::string take(std::size_t size);
  // Closes the test's end of the pipe: the writer of standard input, the reader of the others.
  void closeTestEnd();
  // Puts the stream back; then the pipe of an output ends, and `take` reads to its end.
  void restore();

 private:
  StandardStream stream_;
  bool restored_ = false;
  // The process's earlier stream: a descriptor of the test's own, or the handle it had.
  NativeHandle saved_{};
  // The test's end of the pipe; on Windows also what was put in the stream's place.
  File testEnd_;
  File placed_;
};

}  // namespace tessark::testing
