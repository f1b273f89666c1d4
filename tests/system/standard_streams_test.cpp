// What the standard streams promise: the end of a pipe is the end of the input, a read error is
// no end, a stream left non-blocking is waited on, a failed write is told, and so is a closed
// stream.
#include "system/standard_streams.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <thread>

#include "support/standard_stream_swap.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

using testing::SwappedStream;
using With = SwappedStream::With;

// Standard input up to its end, read in small parts.
std::string readToEnd() {
  std::string text;
  char part[4];
  while (const std::size_t got = readStandardInput(part, sizeof part)) text.append(part, got);
  return text;
}

TEST(StandardStreams, TheEndOfAPipeIsTheEndOfTheInput) {
  SwappedStream input(StandardStream::input, With::pipe);
  input.put("two\nlines");
  input.closeTestEnd();
  EXPECT_EQ(readToEnd(), "two\nlines");
  char byte = 0;
  EXPECT_EQ(readStandardInput(&byte, 1), 0u);
}

TEST(StandardStreams, AReadErrorIsNoEndOfTheInput) {
  SwappedStream input(StandardStream::input, With::unreadable);
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
    EXPECT_EQ(readToEnd(), "late");
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

TEST(StandardStreams, WritesReachTheStreamAndAFailedOneIsTold) {
  letFailedWritesReturn();
  std::string reached;
  bool written = false, lostWritten = true;
  {
    SwappedStream output(StandardStream::output, With::pipe);
    written = writeStandard(StandardStream::output, "shown\n", 6);
    reached = output.take(6);
    // A pipe whose reader went away.
    output.closeTestEnd();
    lostWritten = writeStandard(StandardStream::output, "lost\n", 5);
  }
  EXPECT_TRUE(written);
  EXPECT_EQ(reached, "shown\n");
  EXPECT_FALSE(lostWritten);
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
