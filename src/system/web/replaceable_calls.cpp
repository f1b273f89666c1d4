// The replaceable calls of the POSIX side as the browser makes them, in place of
// posix/replaceable_calls.cpp: locks kept by the host, the host's user, and a sync that never
// stores the page's folder in the middle of a run.

// Emscripten's own flock pretends to succeed, its geteuid answers 0 whatever the system, and its
// fsync under Asyncify stores the whole folder of the page while the run is going on.
#include "system/posix/replaceable_calls.hpp"

#include <emscripten.h>
#include <errno.h>
#include <sys/file.h>

namespace tessark::posix {
namespace {

// A lock lives on the host's open file, as the kernel keeps it on an open file description, and
// ends when that is closed. An exclusive lock is refused where the page found the folder held by
// a run in another tab (a Web Lock that the page takes before the run starts and holds until the
// run's files are stored). Files are told apart by their device and number, which under node are
// the machine's own. Returns 0, -1 when another lock stands in the way, or a negative errno.
// clang-format off
EM_JS(int, lockInHost, (int fd, int exclusive, int unlock), {
  const identity = (stream) => {
    const status = stream.nfd !== undefined ? require("fs").fstatSync(stream.nfd)
                                            : stream.node.node_ops.getattr(stream.node);
    return status.dev + ":" + status.ino;
  };
  const stream = FS.getStream(fd);
  if (!stream) return -ERRNO_CODES.EBADF;
  delete stream.tessarkLock;
  if (unlock) return 0;
  if (exclusive && Module["folderHeldElsewhere"]) return -1;
  const own = identity(stream);
  const taken = FS.streams.some((other) => other && other.tessarkLock &&
                                           (exclusive || other.tessarkLock === "exclusive") &&
                                           identity(other) === own);
  if (taken) return -1;
  stream.tessarkLock = exclusive ? "exclusive" : "shared";
  return 0;
});
// clang-format on

// The user that owns the files the process makes: under node the process's own, whose files in
// the working folder carry their real owners; in a page, 0, as Emscripten gives its files.
// clang-format off
EM_JS(int, hostUser, (), {
  return typeof process === "object" && process.geteuid ? process.geteuid() : 0;
});
// clang-format on

// Makes what was written to `fd` last where the file is the machine's own (under node), without
// ever suspending the run; in a page nothing is stored until the run has ended. Returns 0, or a
// negative errno.
// clang-format off
EM_JS(int, syncInHost, (int fd), {
  const stream = FS.getStream(fd);
  if (!stream) return -ERRNO_CODES.EBADF;
  try {
    if (stream.nfd !== undefined) {
      require("fs").fsyncSync(stream.nfd);
    } else if (typeof NODEFS !== "undefined" && stream.node && stream.node.mount.type === NODEFS) {
      const fs = require("fs");
      const folder = fs.openSync(NODEFS.realPath(stream.node), "r");
      try {
        fs.fsyncSync(folder);
      } finally {
        fs.closeSync(folder);
      }
    }
    return 0;
  } catch (error) {
    return -(ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
  }
});
// clang-format on

}  // namespace

int lockFile(int fd, int operation) {
  const int result = lockInHost(fd, (operation & LOCK_EX) != 0, (operation & LOCK_UN) != 0);
  if (result < -1) {
    errno = -result;
    return -1;
  }
  if (result == -1) {
    // Nothing else runs in this process to release a lock: waiting for one would never end.
    errno = (operation & LOCK_NB) != 0 ? EWOULDBLOCK : EDEADLK;
    return -1;
  }
  return 0;
}

std::uint32_t effectiveUser() {
  return static_cast<std::uint32_t>(hostUser());
}

int syncFile(int fd) {
  const int result = syncInHost(fd);
  if (result == 0) return 0;
  errno = -result;
  return -1;
}

}  // namespace tessark::posix
