// The user that the browser build runs as. Emscripten answers 0 whatever the system; under node,
// where the working folder's files carry their real owners, the process's own user is taken, so
// that a report of the user's own is replaced and not taken for another user's.
#include <emscripten.h>
#include <unistd.h>

namespace {

// clang-format off
EM_JS(int, hostUser, (), {
  return typeof process === "object" && process.geteuid ? process.geteuid() : 0;
});
// clang-format on

}  // namespace

// Replaces the C library's geteuid(), which the POSIX side asks before replacing a file.
extern "C" uid_t geteuid() {
  return static_cast<uid_t>(hostUser());
}
