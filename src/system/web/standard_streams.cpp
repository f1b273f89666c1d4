// The standard streams of the browser side. In a page, the page supplies them: standard input is
// awaited line by line from it, and standard output and error are handed to it byte by byte, so a
// prompt shows before it is answered. Under node they are the process's own.
#include "system/standard_streams.hpp"

#include <emscripten.h>

#include <cstddef>

#include "system/posix/posix_io.hpp"

namespace tessark {
namespace {

// Whether a page supplies the streams (Module.readInput and Module.writeOutput).
// clang-format off
EM_JS(int, pageHoldsStreams, (), { return Module["readInput"] ? 1 : 0; });
// clang-format on

// Waits for the page's next bytes; returns their count, 0 at the end of the input, or -errno.
// clang-format off
EM_ASYNC_JS(int, readFromPage, (char* buffer, int size), {
  try {
    const bytes = await Module["readInput"](size);
    HEAPU8.set(bytes.subarray(0, size), buffer);
    return Math.min(bytes.length, size);
  } catch (error) {
    return -(ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
  }
});
// clang-format on

// Reads the node process's standard input as a blocking read would: a descriptor left
// non-blocking is polled. Returns the count, 0 at the end, or -errno.
// clang-format off
EM_JS(int, readFromProcess, (char* buffer, int size), {
  const fs = require("fs");
  for (;;) {
    try {
      return fs.readSync(0, HEAPU8, buffer, size, null);
    } catch (error) {
      if (error.code === "EOF") return 0;
      if (error.code !== "EAGAIN") return -(ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
      Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 10);
    }
  }
});
// clang-format on

// Hands `size` bytes to the page, or writes them to the node process's stream 1 or 2, waiting as
// a blocking write would. Returns 1 when they were all taken.
// clang-format off
EM_JS(int, writeToHost, (int stream, const char* text, int size), {
  const bytes = HEAPU8.subarray(text, text + size);
  if (Module["writeOutput"]) return Module["writeOutput"](stream, bytes.slice()) ? 1 : 0;
  const fs = require("fs");
  for (let done = 0; done < size;) {
    try {
      done += fs.writeSync(stream, bytes, done, size - done);
    } catch (error) {
      if (error.code !== "EAGAIN") return 0;
      Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 10);
    }
  }
  return 1;
});
// clang-format on

int numberOf(StandardStream stream) {
  return stream == StandardStream::error ? 2 : 1;
}

}  // namespace

// The page and the node launcher always supply all three streams.
bool isOpen(StandardStream) {
  return true;
}

bool openStandardErrorOnNullDevice() {
  return true;
}

// No signal ends the engine: a failed write already returns.
void letFailedWritesReturn() {}

std::size_t readStandardInput(char* buffer, std::size_t size) {
  const int limit = static_cast<int>(size > 65536 ? 65536 : size);
  const int got = pageHoldsStreams() ? readFromPage(buffer, limit) : readFromProcess(buffer, limit);
  if (got < 0) throw posix::errorFrom(-got);
  return static_cast<std::size_t>(got);
}

bool writeStandard(StandardStream stream, const char* text, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const std::size_t part = size - done > 65536 ? 65536 : size - done;
    if (!writeToHost(numberOf(stream), text + done, static_cast<int>(part))) return false;
    done += part;
  }
  return true;
}

}  // namespace tessark
