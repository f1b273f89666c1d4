// SwappedStream in the browser build: its standard streams are a host's (Module.readInput and
// Module.writeOutput), so the swap installs a host of the test's own over an in-memory queue.
#include <emscripten.h>

#include <stdexcept>
#include <string>

// The descriptors or handles that the other systems keep have no use here.
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wunused-private-field"
#include "support/standard_stream_swap.hpp"
#pragma clang diagnostic pop

namespace tessark::testing {
namespace {

// The host keeps one queue: the bytes put for standard input, or those written to the swapped
// output. Its reads end where the test closed its end; an unreadable stream fails them as node
// reports a descriptor it cannot read. The streams not swapped read nothing and write through.
// clang-format off
EM_JS(void, installHost, (int swapped, int unreadable), {
  const host = {
    swapped, unreadable, closed: false, queue: new Uint8Array(0),
    earlier: { readInput: Module["readInput"], writeOutput: Module["writeOutput"] },
  };
  Module["swappedStream"] = host;
  Module["readInput"] = async (size) => {
    if (host.swapped !== 0) return new Uint8Array(0);
    if (host.unreadable) throw Object.assign(new Error("not open for reading"), { code: "EBADF" });
    if (host.queue.length === 0 && !host.closed) throw new Error("the test awaits input it never put");
    const taken = host.queue.slice(0, size);
    host.queue = host.queue.slice(taken.length);
    return taken;
  };
  Module["writeOutput"] = (stream, bytes) => {
    if (stream !== host.swapped) return require("fs").writeSync(stream, bytes) === bytes.length;
    if (host.closed) return false;
    const joined = new Uint8Array(host.queue.length + bytes.length);
    joined.set(host.queue);
    joined.set(bytes, host.queue.length);
    host.queue = joined;
    return true;
  };
});

EM_JS(int, putForHost, (const char* text, int size), {
  const host = Module["swappedStream"];
  if (host.closed) return 0;
  const joined = new Uint8Array(host.queue.length + size);
  joined.set(host.queue);
  joined.set(HEAPU8.subarray(text, text + size), host.queue.length);
  host.queue = joined;
  return 1;
});

EM_JS(int, takeFromHost, (char* buffer, int size), {
  const host = Module["swappedStream"];
  const taken = host.queue.subarray(0, size);
  HEAPU8.set(taken, buffer);
  host.queue = host.queue.slice(taken.length);
  return taken.length;
});

// A closed input ends after what is queued; an output without its reader fails its writes.
EM_JS(void, closeForHost, (), {
  const host = Module["swappedStream"];
  host.closed = true;
  if (host.swapped !== 0) host.queue = new Uint8Array(0);
});

// The earlier hooks, or none, return; what the output queued stays for take().
EM_JS(void, restoreHost, (), {
  const earlier = Module["swappedStream"].earlier;
  Module["readInput"] = earlier.readInput;
  Module["writeOutput"] = earlier.writeOutput;
  if (!earlier.readInput) delete Module["readInput"];
  if (!earlier.writeOutput) delete Module["writeOutput"];
});

EM_JS(void, forgetHost, (), { delete Module["swappedStream"]; });
// clang-format on

int numberOf(StandardStream stream) {
  switch (stream) {
    case StandardStream::input:
      return 0;
    case StandardStream::output:
      return 1;
    case StandardStream::error:
      break;
  }
  return 2;
}

}  // namespace

SwappedStream::SwappedStream(StandardStream stream, With with) : stream_(stream) {
  // A host supplies every stream, blocking as it must: neither case can be set up.
  if (with == With::nothing || with == With::nonBlockingPipe) {
    throw std::logic_error("the browser's host has no closed or non-blocking stream");
  }
  installHost(numberOf(stream_), with == With::unreadable ? 1 : 0);
}

SwappedStream::~SwappedStream() {
  restore();
  forgetHost();
}

void SwappedStream::put(std::string_view text) {
  if (!putForHost(text.data(), static_cast<int>(text.size()))) {
    throw std::runtime_error("input put after its end");
  }
}

std::string SwappedStream::take(std::size_t size) {
  std::string taken(size, '\0');
  taken.resize(static_cast<std::size_t>(takeFromHost(taken.data(), static_cast<int>(size))));
  return taken;
}

void SwappedStream::closeTestEnd() {
  closeForHost();
}

void SwappedStream::restore() {
  if (restored_) return;
  restored_ = true;
  restoreHost();
}

}  // namespace tessark::testing
