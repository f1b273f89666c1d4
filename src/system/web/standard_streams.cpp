// The standard streams of the browser build. Where a host supplies them (the page, or the node
// launcher), standard input is awaited from it without blocking it, and standard output and error
// are handed to it byte by byte, so that a prompt shows before it is answered. Elsewhere (a test
// program under node) they are Emscripten's own descriptors, as on POSIX.
#include "system/standard_streams.hpp"

#include <emscripten.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "system/posix/posix_io.hpp"

namespace tessark {
namespace {

// Whether a host supplies the streams: Module.readInput(size), which resolves to the next bytes
// (none at the end of the input), and Module.writeOutput(stream, bytes), which says whether they
// were all taken.
// clang-format off
EM_JS(int, hostHoldsStreams, (), { return Module["readInput"] ? 1 : 0; });
// clang-format on

// Whether the host found its stream 0, 1 or 2 closed when it started (Module.closedStreams): the
// node launcher looks before node gives a closed one the null device.
// clang-format off
EM_JS(int, closedInHost, (int stream), {
  return (Module["closedStreams"] || []).includes(stream) ? 1 : 0;
});
// clang-format on

// Waits for the host's next bytes; returns their count, 0 at the end of the input, or -errno.
// clang-format off
EM_ASYNC_JS(int, readFromHost, (char* buffer, int size), {
  try {
    const bytes = await Module["readInput"](size);
    HEAPU8.set(bytes.subarray(0, size), buffer);
    return Math.min(bytes.length, size);
  } catch (error) {
    return -(ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
  }
});
// clang-format on

// Hands `size` bytes to the host's stream 1 or 2; returns 1 when they were all taken.
// clang-format off
EM_JS(int, writeToHost, (int stream, const char* text, int size), {
  return Module["writeOutput"](stream, HEAPU8.slice(text, text + size)) ? 1 : 0;
});
// clang-format on

}  // namespace

using posix::descriptorOf;

// A host supplies all three streams, but for those it found closed.
bool isOpen(StandardStream stream) {
  if (hostHoldsStreams()) return !closedInHost(descriptorOf(stream));
  return ::fcntl(descriptorOf(stream), F_GETFD) >= 0 || errno != EBADF;
}

bool openStandardErrorOnNullDevice() {
  if (hostHoldsStreams()) return true;
  const int fd = ::open("/dev/null", O_WRONLY);
  if (fd == STDERR_FILENO) return true;
  if (fd >= 0) ::close(fd);
  return false;
}

// No signal ends the engine: a failed write already returns.
void letFailedWritesReturn() {}

std::size_t readStandardInput(char* buffer, std::size_t size) {
  if (!hostHoldsStreams()) return posix::readSome(STDIN_FILENO, buffer, size);
  const int got = readFromHost(buffer, static_cast<int>(size > 65536 ? 65536 : size));
  if (got < 0) throw posix::errorFrom(-got);
  return static_cast<std::size_t>(got);
}

bool writeStandard(StandardStream stream, const char* text, std::size_t size) {
  if (!hostHoldsStreams()) {
    std::uint64_t written = 0;
    return posix::writeAll(descriptorOf(stream), text, size, written) == 0;
  }
  // A stream that was closed takes nothing, as a closed descriptor does.
  if (closedInHost(descriptorOf(stream))) return false;
  for (std::size_t done = 0; done < size;) {
    const std::size_t part = size - done > 65536 ? 65536 : size - done;
    if (!writeToHost(descriptorOf(stream), text + done, static_cast<int>(part))) return false;
    done += part;
  }
  return true;
}

}  // namespace tessark
