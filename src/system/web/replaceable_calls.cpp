// The replaceable calls of the POSIX side as the browser makes them, in place of
// posix/replaceable_calls.cpp: locks kept by the host, the host's user, a sync that never stores
// the page's folder in the middle of a run, and looks at what the emulated file system cannot see.

// Emscripten's own flock pretends to succeed, its geteuid answers 0 whatever the system, its
// fsync under Asyncify stores the whole folder of the page while the run is going on, and under
// node its look at a pipe of the machine's, and a listing of a folder that holds one, fail.
#include "system/posix/replaceable_calls.hpp"

#include <emscripten.h>
#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>

#include <memory>
#include <string_view>

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
  try {
    delete stream.tessarkLock;
    if (unlock) return 0;
    if (exclusive && Module["folderHeldElsewhere"]) return -1;
    const own = identity(stream);
    // A file whose identity cannot be told any more holds no lock that stands in the way.
    const heldBy = (other) => {
      try {
        return identity(other) === own;
      } catch (error) {
        return false;
      }
    };
    const taken = FS.streams.some((other) => other && other.tessarkLock &&
                                             (exclusive || other.tessarkLock === "exclusive") &&
                                             heldBy(other));
    if (taken) return -1;
    stream.tessarkLock = exclusive ? "exclusive" : "shared";
    return 0;
  } catch (error) {
    return -(error.errno || ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
  }
});
// clang-format on

// The user that owns the files the process makes: under node the process's own, whose files in
// the working folder carry their real owners; in a page, 0, as Emscripten gives its files.
// clang-format off
EM_JS(int, hostUser, (), {
  return typeof process === "object" && process.geteuid ? process.geteuid() : 0;
});
// clang-format on

// The path on the machine of the file or folder that `fd` is open on, where it is the machine's
// own (under node: in a folder mounted from the machine, or anywhere where the machine's files
// are used directly), in memory that the caller frees; null for a file that only the engine's
// memory holds, as every file of a page.
// clang-format off
EM_JS(char*, machinePathOf, (int fd), {
  const stream = FS.getStream(fd);
  if (typeof require !== "function" || !stream) return 0;
  const mount = stream.node && stream.node.mount;
  if (!mount) return allocateUTF8(stream.path);
  if (typeof NODEFS === "undefined" || mount.type !== NODEFS) return 0;
  return allocateUTF8(NODEFS.realPath(stream.node));
});
// clang-format on

// The path of `fd` on the machine, freed with it; empty for none.
using MachinePath = std::unique_ptr<char, decltype(&::free)>;
MachinePath machinePath(int fd) {
  return {machinePathOf(fd), &::free};
}

// Makes what was written to `fd` (the file at `path` on the machine, when it is there) last,
// without ever suspending the run. Returns 0, or a negative errno.
// clang-format off
EM_JS(int, syncOnHost, (int fd, const char* path), {
  const stream = FS.getStream(fd);
  if (!stream) return -ERRNO_CODES.EBADF;
  try {
    const fs = require("fs");
    if (stream.nfd !== undefined) {
      fs.fsyncSync(stream.nfd);
    } else {
      let opened;
      try {
        opened = fs.openSync(UTF8ToString(path), "r");
      } catch (error) {
        // A folder that may be searched but not read cannot be opened to be synced, as on POSIX.
        if (error.code === "EACCES") return -ERRNO_CODES.EBADF;
        throw error;
      }
      try {
        fs.fsyncSync(opened);
      } finally {
        fs.closeSync(opened);
      }
    }
    return 0;
  } catch (error) {
    return -(ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
  }
});
// clang-format on

// What the machine's own file system tells of `name` in the folder at `folder`, the name not
// followed: its mode, number, device, links, owner, group and size in `status`, as doubles.
// Returns 0, or a negative errno.
// clang-format off
EM_JS(int, statOnHost, (const char* folder, const char* name, double* status), {
  try {
    const path = require("path").join(UTF8ToString(folder), UTF8ToString(name));
    const found = require("fs").lstatSync(path);
    [found.mode, found.ino, found.dev, found.nlink, found.uid, found.gid, found.size]
        .forEach((value, i) => { HEAPF64[(status >> 3) + i] = value; });
    return 0;
  } catch (error) {
    return -(ERRNO_CODES[error.code] || ERRNO_CODES.EIO);
  }
});
// clang-format on

// The names in the folder that `folder` is open on, each followed by "/", which no name holds, in
// memory that the caller frees; null, with the errno in `error`, when it cannot be read. The
// emulated listing looks at every name as it goes, and stops at the first that it cannot look at.
// clang-format off
EM_JS(char*, listOnHost, (int folder, int* error), {
  try {
    const stream = FS.getStream(folder);
    if (!stream) throw new FS.ErrnoError(ERRNO_CODES.EBADF);
    return allocateUTF8(FS.readdir(stream.path).map((name) => name + "/").join(""));
  } catch (failure) {
    HEAP32[error >> 2] = failure.errno || ERRNO_CODES[failure.code] || ERRNO_CODES.EIO;
    return 0;
  }
});
// clang-format on

// Where the emulated file system cannot look at `name` in `folder`, what the machine's own says
// of it; -1, errno left as it was, where that says nothing more.
int statOnHostInstead(int folder, const char* name, struct stat* status) {
  const MachinePath path = machinePath(folder);
  double found[7] = {};
  if (!path || statOnHost(path.get(), name, found) != 0) return -1;
  *status = {};
  status->st_mode = static_cast<mode_t>(found[0]);
  status->st_ino = static_cast<ino_t>(found[1]);
  status->st_dev = static_cast<dev_t>(found[2]);
  status->st_nlink = static_cast<nlink_t>(found[3]);
  status->st_uid = static_cast<uid_t>(found[4]);
  status->st_gid = static_cast<gid_t>(found[5]);
  status->st_size = static_cast<off_t>(found[6]);
  return 0;
}

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
  // In a page nothing reaches a disk: the page stores the whole folder once the run has ended.
  const MachinePath path = machinePath(fd);
  if (!path) return 0;
  const int result = syncOnHost(fd, path.get());
  if (result == 0) return 0;
  errno = -result;
  return -1;
}

int statAt(int folder, const char* name, struct stat* status, int flags) {
  if (::fstatat(folder, name, status, flags) == 0) return 0;
  if (errno != EINVAL || (flags & AT_SYMLINK_NOFOLLOW) == 0) return -1;
  return statOnHostInstead(folder, name, status);
}

int openFileAt(int folder, const char* name, int flags, mode_t mode) {
  const int fd = ::openat(folder, name, flags, mode);
  // The emulated file system, which cannot look at a pipe or device of the machine's, takes it
  // for missing when it opens one.
  if (fd >= 0 || (errno != ENOENT && errno != EINVAL)) return fd;
  const int error = errno;
  struct stat status {};
  // It takes nothing, as a pipe that nothing reads does.
  const bool pipeOrDevice = statOnHostInstead(folder, name, &status) == 0 &&
                            !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode) &&
                            !S_ISLNK(status.st_mode);
  errno = pipeOrDevice ? ENXIO : error;
  return -1;
}

bool namesInFolder(int folder, std::vector<std::string>& names) {
  int error = 0;
  char* listed = listOnHost(folder, &error);
  if (listed == nullptr) {
    errno = error;
    return false;
  }
  std::string_view rest(listed);
  for (std::size_t slash = rest.find('/'); slash != std::string_view::npos;
       slash = rest.find('/')) {
    names.emplace_back(rest.substr(0, slash));
    rest.remove_prefix(slash + 1);
  }
  ::free(listed);
  return true;
}

}  // namespace tessark::posix
