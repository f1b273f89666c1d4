// The calls of the POSIX side that a side built on it may make otherwise, named here as functions
// of our own: replaceable_calls.cpp makes them the C library's calls, and the browser's side
// (web/replaceable_calls.cpp) gives its own, which the build takes in its place.

// The browser runs on an emulated file system where a lock would always be granted, every file
// belongs to user 0, a sync would store every file of the page in the middle of a run, and under
// node a pipe or device of the machine's cannot even be looked at or listed.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessark::posix {

// flock(2): the lock of the file that `fd` is open on; LOCK_EX or LOCK_SH, with LOCK_NB. Returns
// 0, or -1 with errno set.
int lockFile(int fd, int operation);

// geteuid(2): the user the process acts for.
std::uint32_t effectiveUser();

// fsync(2): makes what was written to `fd`, a file or a folder, last. Returns 0, or -1 with errno
// set.
int syncFile(int fd);

// fstatat(2): what stands under `name` in the folder `folder`. Returns 0, or -1 with errno set.
int statAt(int folder, const char* name, struct stat* status, int flags);

// openat(2): opens `name` in the folder `folder`. Returns the descriptor, or -1 with errno set.
int openFileAt(int folder, const char* name, int flags, mode_t mode);

// The names in the folder that `folder` is open on, "." and ".." among them, read from its start
// (openat, fdopendir, readdir). False, with errno set, when it cannot be read.
bool namesInFolder(int folder, std::vector<std::string>& names);

}  // namespace tessark::posix
