// The lock on the work folder in the browser build. Emscripten's own flock() pretends to succeed;
// this one keeps the locks of the process, as a lock on an open folder, and refuses an exclusive
// lock when the page found the folder held by a run in another tab (a Web Lock that the page
// takes before the run starts and holds until the run's files are stored).
#include <emscripten.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// clang-format off
EM_JS(int, heldElsewhere, (), { return Module["folderHeldElsewhere"] ? 1 : 0; });
// clang-format on

// A lock taken through the descriptor `fd` on the file `device`/`index`.
struct HeldLock {
  int fd;
  dev_t device;
  ino_t index;
  bool exclusive;
};

std::vector<HeldLock>& heldLocks() {
  static std::vector<HeldLock> locks;
  return locks;
}

// A lock ends when its descriptor is closed; a descriptor of that number opened since then on
// another file does not keep it.
void forgetClosed() {
  std::erase_if(heldLocks(), [](const HeldLock& lock) {
    struct stat status {};
    return ::fstat(lock.fd, &status) != 0 || status.st_dev != lock.device ||
           status.st_ino != lock.index;
  });
}

}  // namespace

// Replaces the C library's flock(), which the POSIX side calls to hold the work folder.
extern "C" int flock(int fd, int operation) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return -1;
  forgetClosed();
  std::vector<HeldLock>& locks = heldLocks();
  std::erase_if(locks, [fd](const HeldLock& lock) { return lock.fd == fd; });
  if ((operation & LOCK_UN) != 0) return 0;
  const bool exclusive = (operation & LOCK_EX) != 0;
  const bool conflict = std::any_of(locks.begin(), locks.end(), [&](const HeldLock& lock) {
    return lock.device == status.st_dev && lock.index == status.st_ino &&
           (exclusive || lock.exclusive);
  });
  // Nothing else runs in this process to release a lock: waiting for one would never end.
  if (conflict || (exclusive && heldElsewhere())) {
    errno = (operation & LOCK_NB) != 0 ? EWOULDBLOCK : EDEADLK;
    return -1;
  }
  locks.push_back({fd, status.st_dev, status.st_ino, exclusive});
  return 0;
}
