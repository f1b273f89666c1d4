// What the POSIX side of the system layer shares: errors from errno, the descriptors of the
// standard streams, the status and identity of a descriptor, and reads and writes that wait on a
// descriptor left non-blocking instead of failing.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>

#include "system/file.hpp"
#include "system/standard_streams.hpp"
#include "system/system_error.hpp"

namespace tessark::posix {

// The SystemError for the error number `error`.
SystemError errorFrom(int error);

// The descriptor of a standard stream: 0, 1 or 2.
int descriptorOf(StandardStream stream);

// What fstat tells of `fd`. Throws SystemError.
struct stat statusOf(int fd);

// The identity of the file that `status` describes.
inline FileIdentity identityOf(const struct stat& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

// Reads at most `size` bytes from `fd`; returns 0 at its end. Throws SystemError.
std::size_t readSome(int fd, char* buffer, std::size_t size);

// Writes all `size` bytes to `fd`, adding each part that reached it to `written`, waiting at most
// `limit` milliseconds at a time for a pipe or device to take more (-1: as long as it takes).
// Returns 0, ETIMEDOUT when nothing was taken for that long, or the error number of the write
// that failed.
int writeAll(int fd, const char* text, std::size_t size, std::uint64_t& written, int limit = -1);

}  // namespace tessark::posix
