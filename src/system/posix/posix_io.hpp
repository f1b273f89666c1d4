// What the POSIX side of the system layer shares: errors from errno, and reads and writes that
// wait on a descriptor left non-blocking instead of failing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "system/system_error.hpp"

namespace tessark::posix {

// The SystemError for the error number `error`.
SystemError errorFrom(int error);

// Reads at most `size` bytes from `fd`; returns 0 at its end. Throws SystemError.
std::size_t readSome(int fd, char* buffer, std::size_t size);

// Writes all `size` bytes to `fd`, adding each part that reached it to `written`. Returns 0, or
// the error number of the write that failed.
int writeAll(int fd, const char* text, std::size_t size, std::uint64_t& written);

}  // namespace tessark::posix
