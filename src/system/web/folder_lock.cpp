// The lock on the work folder in the browser. Emscripten's own flock() pretends to succeed; here
// it refuses when the page found the folder held by a run in another tab (a Web Lock the page
// takes before the run starts, and holds until the run's files are stored).
#include <emscripten.h>
#include <sys/file.h>

#include <cerrno>

namespace {

// clang-format off
EM_JS(int, heldElsewhere, (), { return Module["folderHeldElsewhere"] ? 1 : 0; });
// clang-format on

}  // namespace

// Replaces the C library's flock(), which the POSIX side calls to hold the work folder.
extern "C" int flock(int, int operation) {
  if ((operation & LOCK_EX) != 0 && heldElsewhere()) {
    errno = EWOULDBLOCK;
    return -1;
  }
  return 0;
}
