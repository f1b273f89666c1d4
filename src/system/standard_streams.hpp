// The standard streams as the system gives them: whether they are open at start, and stream
// buffers that read and write them directly.

// A read error is told from the end of the input here, whatever the C++ library does, and a stream
// left non-blocking by another program is waited on as a blocking one would be.
//
//   StandardInputBuffer input;
//   std::istream in(&input);  // a read error throws SystemError from the buffer
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace tessark {

enum class StandardStream { input, output, error };

// Whether the stream is open, so that no file of the program's can take its place.
bool isOpen(StandardStream stream);

// Gives a closed standard error the null device; false when it cannot.
bool openStandardErrorOnNullDevice();

// Makes a write to a pipe without a reader, or past a limit on file sizes, fail as a write
// instead of ending the process by a signal, so that the run can say what failed.
void letFailedWritesReturn();

// Standard input. underflow() throws SystemError on a read error and reports the end of the
// input (for a pipe, its writer closing it) as the end of the stream.
class StandardInputBuffer : public std::streambuf {
 protected:
  int_type underflow() override;

 private:
  std::array<char, 4096> buffer_{};
};

// Standard output or standard error. A write that fails sets the stream's badbit, as a file
// stream's does.
class StandardOutputBuffer : public std::streambuf {
 public:
  explicit StandardOutputBuffer(StandardStream stream) : stream_(stream) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ~StandardOutputBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool drain();
  StandardStream stream_;
  bool failed_ = false;
  std::array<char, 4096> buffer_{};
};

// Reads at most `size` bytes of standard input, waiting as a blocking stream would; returns 0 at
// the end of the input. Throws SystemError on a read error.
std::size_t readStandardInput(char* buffer, std::size_t size);

// Writes `size` bytes to standard output or error, waiting as a blocking stream would; false
// when they could not all be written.
bool writeStandard(StandardStream stream, const char* text, std::size_t size);

}  // namespace tessark
