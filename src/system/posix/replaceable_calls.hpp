// The calls of the POSIX side that a side built on it may make otherwise, named here as functions
// of our own: replaceable_calls.cpp makes them the C library's calls, and the browser's side
// (web/replaceable_calls.cpp) gives its own, which the build takes in its place.

// The browser runs on an emulated file system where a lock would always be granted, every file
// belongs to user 0 and a sync would store every file of the page in the middle of a run.
#pragma once

#include <cstdint>

namespace tessark::posix {

// flock(2): the lock of the file that `fd` is open on; LOCK_EX or LOCK_SH, with LOCK_NB. Returns
// 0, or -1 with errno set.
int lockFile(int fd, int operation);

// geteuid(2): the user the process acts for.
std::uint32_t effectiveUser();

// fsync(2): makes what was written to `fd`, a file or a folder, last. Returns 0, or -1 with errno
// set.
int syncFile(int fd);

}  // namespace tessark::posix
