// What the standard streams promise: the end of a pipe is the end of the input, a read error is
// no end, a stream left non-blocking is waited on, a failed write sets badbit, and a closed
// stream is told.
#include "system/standard_streams.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <istream>
#include <ostream>
#include <string>
#include <thread>

#include "support/standard_stream_swap.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

using testing::SwappedStream;
using With = SwappedStream::With;

std::string readToEnd(std::istream& in) {
  std::string text;
  for (char c = 0; in.get(c);) text += c;
  return text;
}

TEST(StandardStreams, TheEndOfAPipeIsTheEndOfTheInput) {
  SwappedStream input(StandardStream::input, With::pipe);
  input.put("two\nlines");
  input.closeTestEnd();
  StandardInputBuffer buffer;
  std::istream in(&buffer);
  in.exceptions(std::ios::badbit);
  EXPECT_EQ(readToEnd(in), "two\nlines");
  EXPECT_TRUE(in.eof());
  EXPECT_EQ(buffer.sgetc(), std::char_traits<char>::eof());
}

TEST(StandardStreams, AReadErrorIsNoEndOfTheInput) {
  SwappedStream input(StandardStream::input, With::unreadable);
  StandardInputBuffer buffer;
  std::istream in(&buffer);
  in.exceptions(std::ios::badbit);
  EXPECT_THROW(in.get(), SystemError);
  char byte = 0;
  EXPECT_THROW(readStandardInput(&byte, 1), SystemError);
}

TEST(StandardStreams, AStreamLeftNonBlockingIsWaitedOn) {
#ifdef _WIN32
  GTEST_SKIP() << "a Windows program leaves no non-blocking mode on the anonymous pipes it shares";
#elif defined(__EMSCRIPTEN__)
  GTEST_SKIP() << "the browser's streams are a host's, whose reads and writes are awaited";
#endif
  const std::string big(200000, 'x');
  std::string out;
  {
    SwappedStream input(StandardStream::input, With::nonBlockingPipe);
    std::thread late([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      input.put("late");
      input.closeTestEnd();
    });
    StandardInputBuffer buffer;
    std::istream in(&buffer);
    EXPECT_EQ(readToEnd(in), "late");
    late.join();
  }
  {
    // More than a pipe holds, while the other end takes it slowly.
    SwappedStream output(StandardStream::output, With::nonBlockingPipe);
    std::thread reader([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      out = output.take(big.size());
    });
    const bool written = writeStandard(StandardStream::output, big.data(), big.size());
    // Ends the pipe, so that the reader stops also when the write failed.
    output.restore();
    reader.join();
    EXPECT_TRUE(written);
  }
  EXPECT_EQ(out, big);
}

TEST(StandardStreams, WritesReachTheStreamAndAFailedOneSetsBadbit) {
  letFailedWritesReturn();
  std::string reached;
  bool good = false, badAfterFailure = false;
  {
    SwappedStream output(StandardStream::output, With::pipe);
    StandardOutputBuffer buffer(StandardStream::output);
    std::ostream out(&buffer);
    out << "shown\n" << std::flush;
    good = out.good();
    reached = output.take(6);
    // A pipe whose reader went away.
    output.closeTestEnd();
    out << "lost\n" << std::flush;
    badAfterFailure = out.bad();
  }
  EXPECT_TRUE(good);
  EXPECT_EQ(reached, "shown\n");
  EXPECT_TRUE(badAfterFailure);
}

TEST(StandardStreams, AClosedStreamIsToldAndStandardErrorCanBeGivenTheNullDevice) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "a host supplies all three streams of the browser's: none is closed";
#endif
  EXPECT_TRUE(isOpen(StandardStream::input));
  bool inputOpen = true, errorOpen = true, given = false, errorOpenAfter = false, written = false;
  {
    SwappedStream input(StandardStream::input, With::nothing);
    inputOpen = isOpen(StandardStream::input);
  }
  {
    SwappedStream error(StandardStream::error, With::nothing);
    errorOpen = isOpen(StandardStream::error);
    given = openStandardErrorOnNullDevice();
    errorOpenAfter = isOpen(StandardStream::error);
    written = writeStandard(StandardStream::error, "unseen\n", 7);
  }
  EXPECT_FALSE(inputOpen);
  EXPECT_FALSE(errorOpen);
  EXPECT_TRUE(given);
  EXPECT_TRUE(errorOpenAfter);
  EXPECT_TRUE(written);
}

}  // namespace
}  // namespace tessark
